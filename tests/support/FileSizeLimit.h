// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <sys/resource.h>

// While it lives, writing a file past maxBytes fails in this process, as it
// would on a full disk; reading is not affected. Lets tests check that a
// failed write leaves the old file as it was (tests run as root, so taking
// away permissions would not make a write fail). The limit holds for every
// file, the test log too when it goes to a file: check results after it ends.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t maxBytes);
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};
