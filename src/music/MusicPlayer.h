// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MusicOutput.h"
#include "core/sound/MusicQueue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QThread>

#include <atomic>
#include <optional>

class MusicLoader;
class MixerDevice;
struct _Mix_Music;

// The background music player: plays a music file or an ".m3u" list on the
// music stream of the mixer's device, through SDL2_mixer (MIDI
// through FluidSynth with the given soundfont; WAV, OGG, MP3). Files are
// read on a thread of their own, so the window never waits for a large one.
// A file that cannot be played is named once in the log and passed over; a
// list that gives less than a shortest round of music in a whole round
// stops (see MusicQueue). The mixer has one music stream and one hook for
// its end, so the program has one player.
class MusicPlayer : public QObject, public MusicOutput
{
    Q_OBJECT

public:
    // device: the open (or unusable) mixer device; it must outlive the
    // player. soundFont: the General MIDI soundfont for MIDI files.
    MusicPlayer(const MixerDevice &device, const QString &soundFont, qint64 shortestRoundMs = 1000,
                QObject *parent = nullptr);
    ~MusicPlayer() override;
    MusicPlayer(const MusicPlayer &) = delete;
    MusicPlayer &operator=(const MusicPlayer &) = delete;

    void play(const QString &file) override;
    void stop() override;
    void resume() override;
    bool isPlaying() const override { return m_playing; }

    // The entry that sounds or is being read to sound; empty when none.
    QString currentFile() const;

signals:
    // An entry began to sound.
    void entryStarted(const QString &file);
    // The music stopped by itself: no entry could be played long enough.
    void ended();

private:
    // Runs on the mixer's audio thread: hands over to the window's thread.
    static void musicFinishedHook();

    std::optional<QStringList> filesOf(const QString &source);
    void start(const QStringList &files, qsizetype first);
    void loadCurrent();
    void musicLoaded(quint64 request, const QString &file, void *music, const QString &problem);
    void musicFinished(quint64 generation);
    void advance(qint64 playedMs);
    void halt();
    void release();
    void report(const QString &file, const QString &problem);

    bool m_open;
    QThread m_loaderThread;
    MusicLoader *m_loader = nullptr; // lives on m_loaderThread
    MusicQueue m_queue;
    QString m_source;               // the file play() set
    bool m_playing = false;
    _Mix_Music *m_music = nullptr;  // the entry on the music stream
    quint64 m_request = 0;          // the load whose answer is awaited
    std::atomic<quint64> m_generation{0}; // changes whenever the player halts the music
    QElapsedTimer m_heard;          // since the current entry began to sound
    QSet<QString> m_reported;       // files named in the log already
    bool m_closing = false;
};
