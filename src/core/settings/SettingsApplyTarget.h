// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// What confirming the settings dialog asks of the rest of the program, each
// call made at its place in the order of applySettingsChoices.
class SettingsApplyTarget
{
public:
    virtual ~SettingsApplyTarget() = default;

    // Skinpath has just become name: a named skin dresses the main window
    // when its description can be read (which may clear Skinpath again);
    // an empty name returns to the built-in look.
    virtual void chooseSkin(const QString &name) = 0;
    virtual void playMusic(const QString &file) = 0;
    virtual void stopMusic() = 0;
    // InputMeans has just changed: the code tables of inputMeans replace
    // the old ones.
    virtual void reloadCodeTable(const QString &inputMeans) = 0;
    // Opens entry 1 ("单字练习") or 2 ("词组练习") of the Chinese menu again,
    // so that the running drill uses the new code tables.
    virtual void restartChineseDrill(int entry) = 0;
};
