// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// Key to screen: a key press and release into the word drill's box and into
// each article view, then the events it posts processed until the change is
// painted (offscreen platform, real sound on SDL's dummy driver). Smart word
// choice and the hints are on. Besides the mean, every key's time gives the
// median and the 99th percentile (counters median_us and p99_us), and the
// resident memory once the drill or article runs (rss_mb).
#include "core/settings/SettingsFile.h"
#include "core/users/UserSession.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/platform/DesktopUrlOpener.h"
#include "gui/platform/DialogFileChooser.h"
#include "gui/platform/MessageBoxPrompter.h"
#include "gui/practice/PracticePanel.h"
#include "gui/sound/SoundSystem.h"
#include "widgets/InputBox.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const ProgramFolder shipped()
{
    return ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR));
}

// The program's window with its real outside parts on a fresh user folder.
struct Program
{
    explicit Program(qint16 window)
    {
        session.userFolder = userFolder.path();
        DefaultSettings(session.settings, shipped());
        session.settings.Window = window;
        session.settings.EWordCue = 1;    // word hints
        session.settings.CWordElect = 1;  // smart word choice
        session.settings.CWordCue = 1;    // code hints
        session.settings.EWordRecite = 0; // the voice would measure the speech engine
        // Reading the hinted word aloud shows the speaking face for a moment,
        // a wait in which later keys are taken: not the key path.
        session.settings.EAutoRecite = 0;
        session.settings.Earticle = shipped().path(QStringLiteral("\\article\\english\\Everyday Life\\A Rainy Sunday.lmf"));
        main = std::make_unique<MainWindow>(session, shipped(),
                                            ShellServices{prompter, urls, help, sounds.output(), sounds.speechEngine(),
                                                          sounds.effects(), files, &sounds.music()});
        main->load();
        main->show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir userFolder;
    UserSession session;
    MessageBoxPrompter prompter;
    DesktopUrlOpener urls;
    DialogFileChooser files;
    HelpWindow help;
    SoundSystem sounds{shipped(), QStringLiteral(QINTARA_PROGRAM_DIR)};
    std::unique_ptr<MainWindow> main;
};

QChar keyOf(QChar character)
{
    return character.isPrint() ? character : QChar(u' ');
}

// One key into the focused box, then everything it caused, painting included.
double typeKey(QChar character)
{
    QWidget *box = QApplication::focusWidget();
    const auto start = std::chrono::steady_clock::now();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(keyOf(character)));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(keyOf(character)));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
    QCoreApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The resident memory of the process now, in MB (0 where /proc has none).
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

void report(benchmark::State &state, std::vector<double> &times)
{
    // Everything the drill or article needs is loaded by now.
    state.counters["rss_mb"] = residentMegabytes();
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2] * 1e6;
    state.counters["p99_us"] = times[std::min(times.size() - 1, times.size() * 99 / 100)] * 1e6;
}

void wordDrill(benchmark::State &state)
{
    Program program(1);
    program.main->SmartNetXpButtonm_Click(1, 2); // 单词练习
    const auto *word = program.main->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    const auto *box = program.main->findChild<InputBox *>(QStringLiteral("Text2"));
    std::vector<double> times;
    for (auto _ : state) {
        const QString target = word->toPlainText();
        const qsizetype typed = box->text().size();
        const double seconds = typeKey(typed < target.size() ? target.at(typed) : QChar(u' '));
        state.SetIterationTime(seconds);
        times.push_back(seconds);
    }
    report(state, times);
}

void articleView(benchmark::State &state)
{
    Program program(qint16(state.range(0)));
    program.main->SmartNetXpButtonm_Click(1, 5); // 最近英文练习
    QString text = program.main->Frame9()->exercise().practisedText();
    if (text.size() < 2) {
        state.SkipWithError("the shipped article did not open");
        return;
    }
    std::vector<double> times;
    qsizetype next = 0;
    for (auto _ : state) {
        // The last character would end the exercise with the save dialog.
        if (next == text.size() - 1) {
            state.PauseTiming();
            program.main->SmartNetXpButtonm_Click(1, 5);
            text = program.main->Frame9()->exercise().practisedText();
            next = 0;
            state.ResumeTiming();
        }
        const double seconds = typeKey(text.at(next++));
        state.SetIterationTime(seconds);
        times.push_back(seconds);
    }
    report(state, times);
}

} // namespace

BENCHMARK(wordDrill)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(600);
BENCHMARK(articleView)->ArgName("window")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(600);

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
