// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// The program's own top-level windows are plain widgets without a system
// frame; screen readers would see them as anonymous panes. Registering this
// makes them windows (with their titles) on the accessibility bus.
void registerWindowAccessibility();
