// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/settings/SettingsDialogController.h"

#include "core/app/MainMenus.h"
#include "core/settings/SettingsChoices.h"
#include "core/users/UserSession.h"
#include "gui/app/MainWindow.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/sound/PlaylistWindowController.h"

#include <QtDebug>

SettingsDialogController::SettingsDialogController(MainWindow &window, MusicPlayer music)
    : m_window(window)
    , m_music(std::move(music))
    , m_colours(&window)
{
}

bool SettingsDialogController::exec()
{
    Settings &settings = m_window.session().settings;
    SettingsDialog dialog(settings, m_window.programFolder(), m_window.look(), *m_window.speech(), m_colours,
                          &m_window);
    dialog.setMidiOut(m_window.midiOut());
    dialog.setPlaylistOpener([this, &dialog] {
        UserSession &session = m_window.session();
        PlaylistWindowController playlist(session.userFolder, session.settings, m_window.programFolder(),
                                          {m_window.prompter(), m_window.fileChooser(), m_music.play},
                                          m_window.look(), &dialog);
        return playlist.exec();
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applySettingsChoices(dialog.chosen(), settings, m_window.shell().currentMode, *this);
    return true;
}

void SettingsDialogController::chooseSkin(const QString &name)
{
    m_window.chooseSkin(name);
}

void SettingsDialogController::playMusic(const QString &file)
{
    if (m_music.play)
        m_music.play(file);
}

void SettingsDialogController::stopMusic()
{
    if (m_music.stop)
        m_music.stop();
}

// A list that cannot be read leaves what was read before it; the lookups
// try again while the character list is empty, as after a failed start-up load.
void SettingsDialogController::reloadCodeTable(const QString &inputMeans)
{
    QString error;
    if (!m_window.codeTable().ReloadCodeTable(inputMeans, &error))
        qWarning().noquote() << error;
}

void SettingsDialogController::restartChineseDrill(int entry)
{
    m_window.SmartNetXpButtonm_Click(MainMenus::Chinese, entry);
}
