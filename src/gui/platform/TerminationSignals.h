// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// The system's requests to end the program: SIGTERM (a logout, a shutdown,
// kill), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal closed).
// While this object lives, each of them is caught and handed to the event
// loop as requested(); the handler only writes the signal's number into a
// pipe, which is all a signal handler may safely do. Each signal is caught
// once: a second one of the same kind ends the program the system's way, so
// a run that hangs while ending can still be stopped.
// One object per program; the handlers in place before it come back when it
// goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<int, 3> Caught = {SIGTERM, SIGINT, SIGHUP};

    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // Whether the signals are caught; false when the pipe could not be made
    // (the signals then keep their earlier handling).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    // A caught signal, delivered by the event loop of the object's thread.
    void requested(int signalNumber);

private:
    void readPipe();

    std::array<int, 2> m_pipe = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    std::array<struct sigaction, Caught.size()> m_previous{};
};
