// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "FileSizeLimit.h"

#include <csignal>
#include <cstdlib>

FileSizeLimit::FileSizeLimit(rlim_t maxBytes)
{
    // Past the limit the system sends SIGXFSZ, which would end the test;
    // ignored, the write fails with EFBIG instead.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limited = m_previous;
    limited.rlim_cur = maxBytes;
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
        std::abort();
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}
