// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class QCoreApplication;

// Qt's own texts in Chinese: the standard buttons of message boxes ("是(Y)",
// "取消"), the file and colour dialogs and the context menus of text boxes.
// The program speaks Chinese whatever the system's language, so the
// simplified Chinese catalogue of Qt's installation is loaded, not the
// system locale's. False, and Qt's English stays, when the catalogue is not
// installed (Debian's qt6-translations-l10n).
bool installQtTranslations(QCoreApplication &app);
