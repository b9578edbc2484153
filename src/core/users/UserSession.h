// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/settings/Settings.h"

#include <QString>

// The logged-in user: the user folder fixed at login (the accounts folder's
// subfolder named by the user, without a trailing separator) and the user's
// settings, loaded and checked at login, written back when the user quits.
struct UserSession
{
    QString userFolder;
    Settings settings;
};
