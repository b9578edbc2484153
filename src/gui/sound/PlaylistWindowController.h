// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "gui/app/WindowLook.h"

#include <QString>

#include <functional>
#include <optional>

class FileChooser;
class Prompter;
class QWidget;
struct Settings;

// "** 用户自定义背景音乐 **" of the settings dialog: shows the playlist window
// with the user playlist ("temp.m3u" in the user folder) and, on OK, stops
// the music, writes the list as the user playlist and makes it the chosen
// music.
class PlaylistWindowController
{
public:
    struct Services
    {
        Prompter &prompter;
        FileChooser &chooser;
        // Sets the main window player's file; "0" stops the music.
        std::function<void(const QString &file)> playMusic;
    };

    // userFolder: the logged-in user's folder, without a trailing separator.
    // settings: the user's settings in use (not the settings dialog's
    // copy); OK sets their BackMusicpath to "0", so that the settings
    // dialog's OK sees the music changed and plays the list.
    PlaylistWindowController(const QString &userFolder, Settings &settings, const ProgramFolder &program,
                             Services services, const WindowLook &look, QWidget *parent = nullptr);

    // The user playlist of a user folder.
    static QString userPlaylist(const QString &userFolder);

    // Shows the window modally. On OK: the user playlist's path, the music
    // the settings dialog then shows as chosen. nullopt when the window was
    // cancelled, or when the list could not be kept (the user was told).
    std::optional<QString> exec();

private:
    QString m_playlist;
    Settings &m_settings;
    ProgramFolder m_program;
    Services m_services;
    WindowLook m_look;
    QWidget *m_parent;
};
