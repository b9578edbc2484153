// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/Speech.h"

#include "core/app/HelpPages.h"
#include "core/platform/Prompter.h"
#include "core/sound/SoundOutput.h"
#include "core/sound/SpeechEngine.h"

#include <QScopedValueRollback>

namespace {

const QString noEngineQuestion = QStringLiteral(
    "\u3000\u3000您的系统未安装MS-TTS发声引擎！\n是否查看相关帮助信息！");
const QString noDeviceMessage = QStringLiteral(
    "\u3000\u3000您的系统未安装声卡或声卡驱动程序\n安装不正确！是否查看相关帮助信息！");
const QString systemNoticeTitle = QStringLiteral("系统提示");
const QString helpFailedMessage = QStringLiteral("无法打开帮助文件！");
const QString noticeTitle = QStringLiteral("提示");

// Trims spaces only: other white space is part of what the caller asked for.
QString withoutOuterSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

Speech::Speech(SpeechEngine &engine, SoundOutput &output, Prompter &prompter, HelpOpener openHelp,
               QObject *parent)
    : QObject(parent)
    , m_engine(engine)
    , m_output(output)
    , m_prompter(prompter)
    , m_openHelp(std::move(openHelp))
    , m_SpeechEngineReady(engine.isReady())
{
    connect(&m_engine, &SpeechEngine::speechFailed, this, &Speech::engineFailed);
}

void Speech::SpeakText(const QString &text, qint16 speed)
{
    // A request arriving while one of this object's boxes is open (a timer
    // runs during a modal box) would stack a second box on the first.
    if (m_prompting)
        return;

    if (!m_SpeechEngineReady) {
        offerHelp();
        emit speechOptionsSwitchedOff();
        return;
    }
    if (m_output.deviceCount() <= 0) {
        {
            QScopedValueRollback guard(m_prompting, true);
            m_prompter.inform(noDeviceMessage, systemNoticeTitle, Prompter::Icon::Error);
        }
        emit speechOptionsSwitchedOff();
        return;
    }
    if (text == m_LastSpokenText)
        return;
    const SpeechVoice voice = SpeechVoice::choose(text, m_voiceSetting);
    if (!m_engine.speak(withoutOuterSpaces(text), voice, speed)) {
        engineFailed();
        return;
    }
    m_LastSpokenText = text;
}

void Speech::offerHelp()
{
    QScopedValueRollback guard(m_prompting, true);
    const Prompter::Answer answer = m_prompter.ask(noEngineQuestion, systemNoticeTitle,
                                                   Prompter::Icon::Question,
                                                   Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return;
    if (!m_openHelp || !m_openHelp(speechHelpPage()))
        m_prompter.inform(helpFailedMessage, noticeTitle, Prompter::Icon::Error);
}

void Speech::engineFailed()
{
    if (m_prompting)
        return;
    offerHelp();
    emit speechOptionsSwitchedOff();
}
