// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "core/users/UserSession.h"

#include <optional>

// Start-up without a login window: logs in the first account (by name) of the
// program folder's "\user\" folder. With no account yet it creates "default"
// with an empty password and a new user's settings first. The settings are
// loaded and checked as at every login. nullopt means the program ends; the
// user has been told why.
std::optional<UserSession> loginFirstAccount(const ProgramFolder &programFolder, Prompter &prompter);
