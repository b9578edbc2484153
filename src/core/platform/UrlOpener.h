// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QUrl>

// Opens web addresses and "mailto:" addresses with the user's default
// programs; tests record what would have been opened.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // False when no program could be started for the address.
    virtual bool open(const QUrl &url) = 0;
};
