// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/PlaylistWindowController.h"

#include "core/platform/Prompter.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPath.h"
#include "core/sound/Playlist.h"
#include "gui/sound/PlaylistWindow.h"

#include <QFileInfo>

namespace {

const QString messageTitle = QStringLiteral("提示");

} // namespace

PlaylistWindowController::PlaylistWindowController(const QString &userFolder, Settings &settings,
                                                   const ProgramFolder &program, Services services,
                                                   const WindowLook &look, QWidget *parent)
    : m_playlist(userPlaylist(userFolder))
    , m_settings(settings)
    , m_program(program)
    , m_services(std::move(services))
    , m_look(look)
    , m_parent(parent)
{
}

QString PlaylistWindowController::userPlaylist(const QString &userFolder)
{
    return ProgramFolder::resolve(userFolder, QStringLiteral("\\temp.m3u"));
}

std::optional<QString> PlaylistWindowController::exec()
{
    // A missing or unreadable user playlist opens an empty window.
    const QStringList entries = Playlist::read(m_playlist).value_or(QStringList());
    PlaylistWindow window(entries, m_services.prompter, m_services.chooser, m_look, m_parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;

    // The playlist's path goes into the settings file, which holds only so
    // much; one that would read back as another file is not chosen.
    const QString refusal = SettingsPath::refusal(m_playlist, m_program);
    if (!refusal.isEmpty()) {
        m_services.prompter.inform(refusal, messageTitle, Prompter::Icon::Warning);
        return std::nullopt;
    }
    if (m_services.playMusic)
        m_services.playMusic(QStringLiteral("0"));
    QString error;
    if (Playlist::write(m_playlist, window.entries(), &error) != Playlist::WriteResult::Written) {
        m_services.prompter.inform(QStringLiteral("列表未能保存：") + error, messageTitle, Prompter::Icon::Error);
        return std::nullopt;
    }
    m_settings.BackMusicpath = QStringLiteral("0");
    return m_playlist;
}
