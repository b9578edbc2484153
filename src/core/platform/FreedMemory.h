// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

namespace FreedMemory {

// Hands the heap's free pages back to the system. Loading a window or a large
// table frees many temporary buffers in the middle of the heap, which the
// allocator would otherwise keep resident for the rest of the run. Does
// nothing where the C library offers no such call.
void giveBack();

} // namespace FreedMemory
