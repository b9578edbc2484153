// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/FreedMemory.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace FreedMemory {

void giveBack()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace FreedMemory
