// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <chrono>
#include <cstdio>

// For measuring start-up from outside: with QINTARA_FIRST_FRAME_PROBE=1 in
// the environment, the first time a window of the program is on screen,
// "first-frame <ns>" goes to standard output, <ns> being the monotonic clock
// (CLOCK_MONOTONIC) that the measuring script reads before it starts the
// program. Header-only so that a bare comparison window uses the very same
// probe without linking anything else of the program.
class FirstFrameProbe : public QObject
{
public:
    // Installs the probe on app when the environment asks for it.
    static void installIfAsked(QCoreApplication &app)
    {
        if (qEnvironmentVariableIntValue("QINTARA_FIRST_FRAME_PROBE") == 1)
            app.installEventFilter(new FirstFrameProbe(&app));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-frame %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::instance()->removeEventFilter(this);
                deleteLater();
            }
        }
        return false;
    }

private:
    using QObject::QObject;
};
