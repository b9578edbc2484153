// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/settings/SettingsApplyTarget.h"
#include "gui/settings/DialogColourChooser.h"

#include <functional>

class MainWindow;

// "系统设置(&I)" and the toolbar's settings button: shows the settings
// dialog over the main window and, on OK, applies what it chose to the
// user's settings and to the main window (skin, music, code tables, the
// running Chinese drill).
class SettingsDialogController : public SettingsApplyTarget
{
public:
    // The main window's background music player.
    struct MusicPlayer
    {
        std::function<void(const QString &file)> play;
        std::function<void()> stop;
    };

    SettingsDialogController(MainWindow &window, MusicPlayer music);

    // Shows the dialog modally; true when it was confirmed and applied.
    bool exec();

    void chooseSkin(const QString &name) override;
    void playMusic(const QString &file) override;
    void stopMusic() override;
    void reloadCodeTable(const QString &inputMeans) override;
    void restartChineseDrill(int entry) override;

private:
    MainWindow &m_window;
    MusicPlayer m_music;
    DialogColourChooser m_colours;
};
