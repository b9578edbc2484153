// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFunctionPointer>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(soundLog)

// A sound module's entry point: the symbol of the shared library fileName in
// folder (the executable's folder when empty); null, with the reason in
// error, when the module cannot be loaded. A loaded module is never
// unloaded: the sound threads run in it until the very end.
QFunctionPointer soundModuleEntry(const QString &folder, const QString &fileName, const char *symbol,
                                  QString *error);
