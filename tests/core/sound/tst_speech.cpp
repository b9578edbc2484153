// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/Speech.h"

#include "FakeSoundOutput.h"
#include "FakeSpeechEngine.h"
#include "ScriptedPrompter.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString forceRepeat = QStringLiteral("<force>"); // a step that sets LastSpokenText to "1"

const QString noEngineQuestion =
    QStringLiteral("\u3000\u3000您的系统未安装MS-TTS发声引擎！\n是否查看相关帮助信息！");
const QString noDeviceMessage =
    QStringLiteral("\u3000\u3000您的系统未安装声卡或声卡驱动程序\n安装不正确！是否查看相关帮助信息！");
const QString helpFailedMessage = QStringLiteral("无法打开帮助文件！");
const QString helpPage = QStringLiteral("\\help.chm::html/问-为什么我的Qintara不能朗读单词.htm");

enum class Failure { NoEngine, NoDevice, EngineRefuses, EngineFailsLater };

// One Speech with fakes around it; helpOpens decides what the help window answers.
struct Rig
{
    explicit Rig(bool engineReady = true)
        : engine(engineReady)
        , speech(engine, output, prompter, [this](const QString &page) {
            openedPages.append(page);
            return helpOpens;
        })
        , optionsOff(&speech, &Speech::speechOptionsSwitchedOff)
    {
    }

    FakeSpeechEngine engine;
    FakeSoundOutput output;
    ScriptedPrompter prompter;
    QStringList openedPages;
    bool helpOpens = true;
    Speech speech;
    QSignalSpy optionsOff;
};

} // namespace

Q_DECLARE_METATYPE(Failure)

class tst_Speech : public QObject
{
    Q_OBJECT

private slots:
    void eachTextSpokenOnceUnlessForced_data();
    void eachTextSpokenOnceUnlessForced();
    void voiceFollowsTextAndSetting_data();
    void voiceFollowsTextAndSetting();
    void speedReachesEngine();
    void failurePaths_data();
    void failurePaths();
    void noEngineAsksOnEveryRequest();
    void failedRequestIsNotRemembered();
    void requestWhileABoxIsOpenAsksNothingMore();
};

void tst_Speech::eachTextSpokenOnceUnlessForced_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<QString>("lastSpoken");

    QTest::newRow("same word twice") << QStringList{"cat", "cat"} << QStringList{"cat"} << "cat";
    QTest::newRow("forced repeat in between")
        << QStringList{"cat", forceRepeat, "cat"} << QStringList{"cat", "cat"} << "cat";
    QTest::newRow("alternating words")
        << QStringList{"cat", "dog", "cat"} << QStringList{"cat", "dog", "cat"} << "cat";
    QTest::newRow("case matters") << QStringList{"Cat", "cat"} << QStringList{"Cat", "cat"} << "cat";
    QTest::newRow("spaces only: empty text first, then ignored")
        << QStringList{"   ", "   "} << QStringList{""} << "   ";
    QTest::newRow("spaces trimmed, comparison on the text as given")
        << QStringList{" cat ", "cat", "cat"} << QStringList{"cat", "cat"} << "cat";
    QTest::newRow("only spaces are trimmed")
        << QStringList{"\tcat "} << QStringList{"\tcat"} << "\tcat ";
    QTest::newRow("empty text at the start equals the empty last text")
        << QStringList{""} << QStringList{} << "";
    QTest::newRow("a text of \"1\" after forcing is taken as already spoken")
        << QStringList{forceRepeat, "1"} << QStringList{} << "1";
}

void tst_Speech::eachTextSpokenOnceUnlessForced()
{
    QFETCH(QStringList, requests);
    QFETCH(QStringList, spoken);
    QFETCH(QString, lastSpoken);

    Rig rig;
    for (const QString &request : requests) {
        if (request == forceRepeat)
            rig.speech.setLastSpokenText(QStringLiteral("1"));
        else
            rig.speech.SpeakText(request, 170);
    }
    QCOMPARE(rig.engine.texts(), spoken);
    QCOMPARE(rig.speech.LastSpokenText(), lastSpoken);
    QVERIFY(rig.prompter.asked().isEmpty());
    QCOMPARE(rig.optionsOff.count(), 0);
}

void tst_Speech::voiceFollowsTextAndSetting_data()
{
    using L = SpeechVoice::Language;
    using G = SpeechVoice::Gender;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("voiceSetting");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("gender");

    QTest::newRow("English word, female") << "apple" << "女声" << int(L::English) << int(G::Female);
    QTest::newRow("English word, male") << "apple" << "男声" << int(L::English) << int(G::Male);
    QTest::newRow("Chinese phrase") << "中国" << "男声" << int(L::Chinese) << int(G::Male);
    QTest::newRow("Chinese among Latin letters") << "A股市场" << "女声" << int(L::Chinese) << int(G::Female);
    QTest::newRow("character beyond the basic plane") << "\U00020000" << "女声" << int(L::Chinese)
                                                      << int(G::Female);
    QTest::newRow("full-width punctuation alone is not Chinese") << "，。" << "女声"
                                                                << int(L::English) << int(G::Female);
    QTest::newRow("unknown setting is female") << "apple" << "童声" << int(L::English) << int(G::Female);
    QTest::newRow("setting not given is female") << "apple" << "" << int(L::English) << int(G::Female);
}

void tst_Speech::voiceFollowsTextAndSetting()
{
    QFETCH(QString, text);
    QFETCH(QString, voiceSetting);
    QFETCH(int, language);
    QFETCH(int, gender);

    Rig rig;
    if (!voiceSetting.isEmpty())
        rig.speech.setVoice(voiceSetting);
    rig.speech.SpeakText(text, 170);
    QCOMPARE(rig.engine.requests().size(), 1);
    const SpeechVoice voice = rig.engine.requests().first().voice;
    QCOMPARE(int(voice.language), language);
    QCOMPARE(int(voice.gender), gender);
}

void tst_Speech::speedReachesEngine()
{
    Rig rig;
    rig.speech.SpeakText(QStringLiteral("lumotype"), 90);
    rig.speech.setLastSpokenText(QStringLiteral("1"));
    rig.speech.SpeakText(QStringLiteral("lumotype"), 300);
    QCOMPARE(rig.engine.requests().size(), 2);
    QCOMPARE(rig.engine.requests().at(0).wordsPerMinute, 90);
    QCOMPARE(rig.engine.requests().at(1).wordsPerMinute, 300);
}

void tst_Speech::failurePaths_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("helpOpens");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("helpOpened");

    const QStringList question{noEngineQuestion};
    const QStringList questionThenHelpFailed{noEngineQuestion, helpFailedMessage};
    const struct
    {
        const char *name;
        Failure failure;
    } failures[] = {{"no engine", Failure::NoEngine},
                    {"engine refuses", Failure::EngineRefuses},
                    {"engine fails later", Failure::EngineFailsLater}};
    for (const auto &f : failures) {
        QTest::addRow("%s, No", f.name) << f.failure << false << true << question << false;
        QTest::addRow("%s, Yes", f.name) << f.failure << true << true << question << true;
        QTest::addRow("%s, Yes, help missing", f.name)
            << f.failure << true << false << questionThenHelpFailed << true;
    }
    QTest::newRow("no device") << Failure::NoDevice << true << true << QStringList{noDeviceMessage}
                               << false;
}

void tst_Speech::failurePaths()
{
    QFETCH(Failure, failure);
    QFETCH(bool, answerYes);
    QFETCH(bool, helpOpens);
    QFETCH(QStringList, boxes);
    QFETCH(bool, helpOpened);

    Rig rig(failure != Failure::NoEngine);
    rig.helpOpens = helpOpens;
    rig.prompter.answerNext(answerYes ? Prompter::Answer::Yes : Prompter::Answer::No);
    if (failure == Failure::NoDevice)
        rig.output.setDeviceCount(0);
    if (failure == Failure::EngineRefuses)
        rig.engine.setRefusing(true);

    QCOMPARE(rig.speech.SpeechEngineReady(), failure != Failure::NoEngine);
    rig.speech.SpeakText(QStringLiteral("cat"), 170);
    if (failure == Failure::EngineFailsLater)
        rig.engine.failLater();

    QCOMPARE(rig.prompter.texts(), boxes);
    const ScriptedPrompter::Asked &first = rig.prompter.asked().first();
    QCOMPARE(first.title, QStringLiteral("系统提示"));
    if (failure == Failure::NoDevice) {
        QCOMPARE(first.icon, Prompter::Icon::Error);
        QCOMPARE(first.buttons, Prompter::Buttons::Ok);
    } else {
        QCOMPARE(first.icon, Prompter::Icon::Question);
        QCOMPARE(first.buttons, Prompter::Buttons::YesNo);
    }
    if (boxes.size() > 1) {
        const ScriptedPrompter::Asked &helpFailed = rig.prompter.asked().at(1);
        QCOMPARE(helpFailed.title, QStringLiteral("提示"));
        QCOMPARE(helpFailed.icon, Prompter::Icon::Error);
        QCOMPARE(helpFailed.buttons, Prompter::Buttons::Ok);
    }
    QCOMPARE(rig.openedPages, helpOpened ? QStringList{helpPage} : QStringList{});
    QCOMPARE(rig.optionsOff.count(), 1);
}

void tst_Speech::noEngineAsksOnEveryRequest()
{
    Rig rig(false);
    rig.output.setDeviceCount(0); // the missing engine is what the user hears about
    rig.prompter.answerNext(Prompter::Answer::No);
    rig.prompter.answerNext(Prompter::Answer::No);
    rig.speech.SpeakText(QStringLiteral("cat"), 170);
    rig.speech.SpeakText(QStringLiteral("cat"), 170);
    QCOMPARE(rig.prompter.texts(), (QStringList{noEngineQuestion, noEngineQuestion}));
    QCOMPARE(rig.optionsOff.count(), 2);
    QVERIFY(rig.engine.requests().isEmpty());
    QVERIFY(rig.openedPages.isEmpty());
    QCOMPARE(rig.speech.LastSpokenText(), QString());
}

void tst_Speech::failedRequestIsNotRemembered()
{
    Rig rig;
    rig.prompter.answerNext(Prompter::Answer::No);
    rig.engine.setRefusing(true);
    rig.speech.SpeakText(QStringLiteral("cat"), 170);
    rig.engine.setRefusing(false);
    rig.speech.SpeakText(QStringLiteral("cat"), 170);
    QCOMPARE(rig.engine.texts(), QStringList{"cat"});
}

void tst_Speech::requestWhileABoxIsOpenAsksNothingMore()
{
    // A timer can ask for speech while the modal box waits for the user.
    struct ReenteringPrompter : Prompter
    {
        Speech *speech = nullptr;
        int boxes = 0;
        Answer ask(const QString &, const QString &, Icon, Buttons) override
        {
            ++boxes;
            speech->SpeakText(QStringLiteral("dog"), 170);
            return Answer::No;
        }
    } prompter;
    FakeSpeechEngine engine(false);
    FakeSoundOutput output;
    Speech speech(engine, output, prompter, {});
    prompter.speech = &speech;
    QSignalSpy optionsOff(&speech, &Speech::speechOptionsSwitchedOff);

    speech.SpeakText(QStringLiteral("cat"), 170);
    QCOMPARE(prompter.boxes, 1);
    QCOMPARE(optionsOff.count(), 1);
}

QTEST_GUILESS_MAIN(tst_Speech)
#include "tst_speech.moc"
