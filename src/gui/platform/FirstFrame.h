// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

#include <sys/resource.h>

// The moment the program's first window is on screen: what start-up puts
// off until then runs right after it has been painted. For measuring
// start-up from outside, QINTARA_FIRST_FRAME_PROBE=1 in the environment
// makes it print "first-frame <ns> <cpu-us>" to standard output, <ns> being
// the monotonic clock (CLOCK_MONOTONIC) that the measuring script reads
// before it starts the program, <cpu-us> the processor time used so far.
// Every later window's first frame follows as "window-frame <ns> <name>"
// (the window's object name), for timing the main window from the key that
// logs in.
// Header-only so that the bare comparison window uses the very same watch
// without linking anything else of the program.
class FirstFrame : public QObject
{
public:
    static void watch(QCoreApplication &app, std::function<void()> then = {})
    {
        const bool probe = qEnvironmentVariableIntValue("QINTARA_FIRST_FRAME_PROBE") == 1;
        if (probe || then)
            app.installEventFilter(new FirstFrame(probe, std::move(then), &app));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window || !window->isExposed())
            return false;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const auto ns = [&] {
            return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
        };
        if (m_seen) {
            if (!m_seen->contains(window)) {
                m_seen->insert(window);
                std::printf("window-frame %lld %s\n", ns(), qUtf8Printable(window->objectName()));
                std::fflush(stdout);
            }
            return false;
        }
        if (m_probe) {
            // The processor time spent so far goes with it: unlike the
            // wall clock, it hardly changes when other work loads the machine.
            rusage usage {};
            getrusage(RUSAGE_SELF, &usage);
            const auto cpuUs = [](const timeval &t) {
                return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
            };
            std::printf("first-frame %lld %lld\n", ns(), cpuUs(usage.ru_utime) + cpuUs(usage.ru_stime));
            std::fflush(stdout);
        }
        // The window paints as it handles this very event; what waited
        // comes after that.
        if (m_then)
            QTimer::singleShot(0, QCoreApplication::instance(), std::move(m_then));
        if (m_probe) {
            // Windows are only remembered, never dereferenced: a closed
            // window's address can at worst hide a later window's line.
            m_seen.emplace();
            m_seen->insert(window);
        } else {
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    FirstFrame(bool probe, std::function<void()> then, QObject *parent)
        : QObject(parent), m_probe(probe), m_then(std::move(then))
    {
    }

    bool m_probe;
    std::function<void()> m_then;
    // With the probe on: the windows whose first frame was printed.
    std::optional<QSet<const QWindow *>> m_seen;
};
