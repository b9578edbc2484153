// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MusicPlayer.h"

#include "core/sound/Playlist.h"
#include "music/MixerDevice.h"
#include "music/MusicLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// The mixer's end-of-music hook takes no argument; it reaches the one
// player through this.
std::atomic<MusicPlayer *> hookTarget{nullptr};

} // namespace

MusicPlayer::MusicPlayer(const MixerDevice &device, const QString &soundFont, qint64 shortestRoundMs,
                         QObject *parent)
    : QObject(parent)
    , m_open(device.isOpen())
    , m_queue(shortestRoundMs)
{
    if (!m_open)
        return;
    // Read by every MIDI load; set once, before the loader thread starts.
    Mix_SetSoundFonts(QFile::encodeName(soundFont).constData());
    m_loaderThread.setObjectName(QStringLiteral("music loader"));
    m_loader = new MusicLoader;
    m_loader->moveToThread(&m_loaderThread);
    connect(&m_loaderThread, &QThread::finished, m_loader, &QObject::deleteLater);
    connect(m_loader, &MusicLoader::loaded, this, &MusicPlayer::musicLoaded, Qt::QueuedConnection);
    m_loaderThread.start(QThread::LowPriority);
    hookTarget.store(this);
    Mix_HookMusicFinished(&MusicPlayer::musicFinishedHook);
}

MusicPlayer::~MusicPlayer()
{
    m_closing = true;
    if (!m_open)
        return;
    // The hook is changed under the mixer's lock: once this returns, the
    // audio thread is not inside it and will not call it again.
    Mix_HookMusicFinished(nullptr);
    hookTarget.store(nullptr);
    Mix_HaltMusic();
    // The loader finishes what it was given (loads, and music to free)
    // before its thread ends.
    QMetaObject::invokeMethod(m_loader, [] {}, Qt::BlockingQueuedConnection);
    m_loaderThread.quit();
    m_loaderThread.wait();
    // Loads answered after the last request would leak otherwise; with
    // m_closing set they are only freed.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (m_music)
        Mix_FreeMusic(m_music);
}

void MusicPlayer::musicFinishedHook()
{
    // No Mix_* call may be made here: the mixer holds its lock.
    MusicPlayer *player = hookTarget.load();
    if (!player)
        return;
    const quint64 generation = player->m_generation.load();
    QMetaObject::invokeMethod(player, [player, generation] { player->musicFinished(generation); },
                              Qt::QueuedConnection);
}

QString MusicPlayer::currentFile() const
{
    return m_playing ? m_queue.current().value_or(QString()) : QString();
}

void MusicPlayer::play(const QString &file)
{
    halt();
    m_source = file;
    const std::optional<QStringList> files = filesOf(file);
    if (!files) {
        // "0" and "" are how the rules say "nothing": no word in the log.
        m_source.clear();
        m_queue.clear();
        m_playing = false;
        return;
    }
    start(*files, 0);
}

void MusicPlayer::stop()
{
    halt();
    m_playing = false;
}

void MusicPlayer::resume()
{
    if (m_source.isEmpty())
        return;
    halt();
    const std::optional<QStringList> files = filesOf(m_source);
    if (!files) {
        m_playing = false;
        return;
    }
    start(*files, *files == m_queue.files() ? m_queue.position() : 0);
}

// The entries a source plays; nullopt when the source is no file or a list
// that cannot be read.
std::optional<QStringList> MusicPlayer::filesOf(const QString &source)
{
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return std::nullopt;
    if (!Playlist::isList(source))
        return QStringList{source};
    QString error;
    const std::optional<QStringList> entries = Playlist::read(source, &error);
    if (!entries) {
        report(source, error);
        return std::nullopt;
    }
    return Playlist::filesToPlay(*entries, QFileInfo(source).absolutePath());
}

void MusicPlayer::start(const QStringList &files, qsizetype first)
{
    m_queue.start(files, first);
    m_playing = true;
    loadCurrent();
}

void MusicPlayer::loadCurrent()
{
    const std::optional<QString> file = m_queue.current();
    if (!file) {
        m_playing = false;
        emit ended();
        return;
    }
    // Without a sound device the player keeps its state and stays silent.
    if (!m_open)
        return;
    const quint64 request = ++m_request;
    MusicLoader *loader = m_loader;
    const QString path = *file;
    QMetaObject::invokeMethod(m_loader, [loader, request, path] { loader->load(request, path); },
                              Qt::QueuedConnection);
}

void MusicPlayer::musicLoaded(quint64 request, const QString &file, void *music, const QString &problem)
{
    auto *loaded = static_cast<Mix_Music *>(music);
    if (m_closing || request != m_request || !m_playing) {
        if (loaded)
            Mix_FreeMusic(loaded);
        return;
    }
    if (!loaded) {
        report(file, problem);
        advance(0);
        return;
    }
    if (Mix_PlayMusic(loaded, 1) != 0) {
        report(file, QString::fromUtf8(SDL_GetError()));
        Mix_FreeMusic(loaded);
        advance(0);
        return;
    }
    m_music = loaded;
    m_heard.start();
    emit entryStarted(file);
}

void MusicPlayer::musicFinished(quint64 generation)
{
    // A hook called while the player halted the music is no end of an entry.
    if (m_closing || generation != m_generation.load() || !m_music)
        return;
    advance(m_heard.elapsed());
}

void MusicPlayer::advance(qint64 playedMs)
{
    release();
    if (!m_queue.next(playedMs)) {
        m_playing = false;
        emit ended();
        return;
    }
    loadCurrent();
}

void MusicPlayer::halt()
{
    // Answers to earlier loads are no longer wanted.
    ++m_request;
    if (!m_open)
        return;
    // Halting calls the end hook on this thread; the new generation marks
    // that call as no end of an entry.
    Mix_HaltMusic();
    ++m_generation;
    release();
}

void MusicPlayer::release()
{
    if (!m_music)
        return;
    // Already halted or at its end: the loader only takes it down.
    void *music = m_music;
    m_music = nullptr;
    MusicLoader *loader = m_loader;
    QMetaObject::invokeMethod(m_loader, [loader, music] { loader->release(music); }, Qt::QueuedConnection);
}

void MusicPlayer::report(const QString &file, const QString &problem)
{
    if (m_reported.contains(file))
        return;
    m_reported.insert(file);
    qWarning().noquote() << QStringLiteral("背景音乐无法播放：") + file + QStringLiteral("：") + problem;
}
