// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's write end, the one thing the handler reads.
volatile std::sig_atomic_t writeEnd = -1;

void handOver(int signalNumber)
{
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signalNumber);
    // The pipe does not block: when it is full, a request is already waiting
    // and this one adds nothing.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(writeEnd == -1);
    if (::pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        m_pipe = {-1, -1};
        return;
    }
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = handOver;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        sigaction(Caught[i], nullptr, &m_previous[i]);
        // A signal ignored from the start stays ignored, as nohup and a shell's
        // background jobs expect.
        if (m_previous[i].sa_handler != SIG_IGN)
            sigaction(Caught[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        if (m_previous[i].sa_handler != SIG_IGN)
            sigaction(Caught[i], &m_previous[i], nullptr);
    }
    writeEnd = -1;
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TerminationSignals::readPipe()
{
    unsigned char numbers[16];
    for (;;) {
        const ssize_t count = ::read(m_pipe[0], numbers, sizeof numbers);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i)
            emit requested(numbers[i]);
    }
}
