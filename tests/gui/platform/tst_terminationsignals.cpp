// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/TerminationSignals.h"

#include "core/practice/Exercise.h"
#include "core/settings/SettingsFile.h"
#include "gui/app/MainWindow.h"
#include "gui/practice/PracticePanel.h"
#include "gui/users/SingleInstance.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <functional>
#include <unistd.h>

namespace {

// The handler of a signal as the system holds it now.
void (*handlerOf(int signalNumber))(int)
{
    struct sigaction action = {};
    sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

// A prompter whose box is still open when something happens meanwhile: the
// question runs `meanwhile` as a message box's own event loop would, then
// answers Yes.
class BusyPrompter : public Prompter
{
public:
    std::function<void()> meanwhile;
    QStringList texts;

    Answer ask(const QString &text, const QString &, Icon, Buttons) override
    {
        texts.append(text);
        if (meanwhile)
            meanwhile();
        return Answer::Yes;
    }
};

} // namespace

class tst_TerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signalReachesTheEventLoop_data();
    void signalReachesTheEventLoop();
    void ignoredSignalStaysIgnored();
    void earlierHandlersComeBack();

    void mainWindowEndsTheRunWithoutAsking();
    void signalWhileTheQuitQuestionIsOpen();

    void programAtTheLoginWindowEnds_data();
    void programAtTheLoginWindowEnds();

private:
    void makeWindow(Prompter &prompter);
    MainWindow *window() const { return m_rig->window(); }
    QString settingsFile() const { return m_rig->settingsFile(); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_TerminationSignals::init()
{
    // Whatever the test runner left them at, each test starts from the
    // system's own handling.
    for (const int signalNumber : TerminationSignals::Caught)
        std::signal(signalNumber, SIG_DFL);
    m_folder = std::make_unique<TestFolder>();
}

void tst_TerminationSignals::cleanup()
{
    m_rig.reset();
    m_folder.reset();
}

void tst_TerminationSignals::signalReachesTheEventLoop_data()
{
    QTest::addColumn<int>("signalNumber");

    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void tst_TerminationSignals::signalReachesTheEventLoop()
{
    QFETCH(int, signalNumber);

    TerminationSignals termination;
    QVERIFY(termination.isActive());
    QSignalSpy requested(&termination, &TerminationSignals::requested);
    std::raise(signalNumber); // the test program would end here without the handler
    QVERIFY(requested.isEmpty()); // handed over, not handled inside the handler
    QVERIFY(requested.wait(1000));
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().first().toInt(), signalNumber);
    // Caught once: a second one would end the program the system's way, so
    // a run stuck while ending can still be stopped.
    QVERIFY(handlerOf(signalNumber) == SIG_DFL);
}

void tst_TerminationSignals::ignoredSignalStaysIgnored()
{
    std::signal(SIGHUP, SIG_IGN); // as nohup starts a program
    {
        TerminationSignals termination;
        QVERIFY(handlerOf(SIGHUP) == SIG_IGN);
        QVERIFY(handlerOf(SIGTERM) != SIG_DFL);
    }
    QVERIFY(handlerOf(SIGHUP) == SIG_IGN);
}

void tst_TerminationSignals::earlierHandlersComeBack()
{
    {
        TerminationSignals termination;
        for (const int signalNumber : TerminationSignals::Caught)
            QVERIFY(handlerOf(signalNumber) != SIG_DFL);
    }
    for (const int signalNumber : TerminationSignals::Caught)
        QVERIFY(handlerOf(signalNumber) == SIG_DFL);
    // A second object in the same program catches them again.
    TerminationSignals again;
    QSignalSpy requested(&again, &TerminationSignals::requested);
    std::raise(SIGTERM);
    QVERIFY(requested.wait(1000));
}

void tst_TerminationSignals::makeWindow(Prompter &prompter)
{
    m_folder->makeFolder(QStringLiteral("chinese/五笔"));
    m_rig = std::make_unique<MainWindowRig>(m_folder->path(), m_folder->file(QStringLiteral("user/default")));
    m_rig->session.settings.Earticle = QStringLiteral("english/a.lmf");
    QVERIFY(m_rig->saveSettings());
    QVERIFY(m_rig->open({.wait = MainWindowRig::Wait::Exposed, .prompter = &prompter}));
}

void tst_TerminationSignals::mainWindowEndsTheRunWithoutAsking()
{
    ScriptedPrompter prompter;
    makeWindow(prompter);
    // Changes of the run, and an article left half-way, which only the end
    // of the exercise stores.
    m_rig->session.settings.Window = 0;
    m_rig->session.settings.Speed = 200;
    Exercise &exercise = window()->Frame9()->exercise();
    exercise.articles().english = true;
    exercise.articles().currentEnglish = QStringLiteral("english/c.lmf");
    exercise.setCount(Exercise::Counter::Input, 120);

    // Wired as the program wires it.
    TerminationSignals termination;
    bool loopEnded = false;
    connect(&termination, &TerminationSignals::requested, this, [&] {
        window()->quitWithoutAsking();
        loopEnded = true;
    });
    QElapsedTimer clock;
    clock.start();
    std::raise(SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(loopEnded, 1000);
    QVERIFY(clock.elapsed() < 1000);

    QVERIFY(prompter.asked().isEmpty());
    QVERIFY(!window()->isVisible());
    const std::optional<Settings> saved = LoadSettings(settingsFile(), ProgramFolder(m_folder->path()));
    QVERIFY(saved);
    QCOMPARE(saved->Window, 0);
    QCOMPARE(saved->Speed, 200);
    QCOMPARE(saved->Earticle, QStringLiteral("english/c.lmf"));
    QCOMPARE(saved->Eplace, 121);
    QCOMPARE(*saved, m_rig->session.settings);

    // What is left of the window goes without a question or another save.
    m_rig->session.settings.Speed = 90;
    window()->close();
    QVERIFY(prompter.asked().isEmpty());
    QTRY_VERIFY(m_rig->window().isNull());
    QCOMPARE(LoadSettings(settingsFile(), ProgramFolder(m_folder->path()))->Speed, 200);
}

void tst_TerminationSignals::signalWhileTheQuitQuestionIsOpen()
{
    BusyPrompter prompter;
    makeWindow(prompter);
    TerminationSignals termination;
    connect(&termination, &TerminationSignals::requested, this, [&] { window()->quitWithoutAsking(); });
    m_rig->session.settings.Speed = 200;
    prompter.meanwhile = [&] {
        std::raise(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!window()->isVisible(), 1000);
        // Changed after the run has ended: must not reach the file.
        m_rig->session.settings.Speed = 90;
    };
    window()->close(); // the box answers Yes once the signal has been handled
    QCOMPARE(prompter.texts, QStringList{QStringLiteral("确实想退出Qintara吗？")});
    QCOMPARE(LoadSettings(settingsFile(), ProgramFolder(m_folder->path()))->Speed, 200);
}

void tst_TerminationSignals::programAtTheLoginWindowEnds_data()
{
    QTest::addColumn<int>("signalNumber");

    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void tst_TerminationSignals::programAtTheLoginWindowEnds()
{
    QFETCH(int, signalNumber);

    // The program runs from a program folder of its own, so that a copy
    // someone runs from the build folder cannot stand in its way.
    const QString program = m_folder->file(QStringLiteral("qintara"));
    const QString built = QStringLiteral(QINTARA_PROGRAM_DIR "/qintara");
    if (::link(QFile::encodeName(built).constData(), QFile::encodeName(program).constData()) != 0)
        QVERIFY(QFile::copy(built, program));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {});
    QVERIFY(process.waitForStarted());

    // The program is at its login window once it claims its program folder.
    const QString folder = m_folder->path();
    const auto listening = [&folder] { return !SingleInstance(folder).claim(); };
    QTRY_VERIFY_WITH_TIMEOUT(listening() || process.state() != QProcess::Running, 20000);
    QCOMPARE(process.state(), QProcess::Running);

    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(1000));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!listening()); // let go of the program folder on the way out
}

QTEST_MAIN(tst_TerminationSignals)
#include "tst_terminationsignals.moc"
