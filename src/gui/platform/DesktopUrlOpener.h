// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/UrlOpener.h"

// Opens addresses with the desktop's default browser and mail program.
class DesktopUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override;
};
