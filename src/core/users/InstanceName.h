// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The name of the local server by which a running copy of the program makes
// itself known. It is derived from the program folder, so one copy may run
// per program folder on this computer, and two spellings of one folder (a
// link, a trailing "/") give the same name. The name is short and plain, as
// local socket names must be.
QString InstanceName(const QString &programFolder);
