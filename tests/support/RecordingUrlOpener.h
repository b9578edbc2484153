// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/UrlOpener.h"

#include <QStringList>
#include <QUrl>

// Opens nothing; keeps the addresses it was asked to open.
class RecordingUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url.toString());
        return true;
    }
    QStringList opened;
};
