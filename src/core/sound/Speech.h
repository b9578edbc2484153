// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SpeechVoice.h"

#include <QObject>
#include <QString>

#include <functional>

class Prompter;
class SoundOutput;
class SpeechEngine;

// Reading texts aloud: each text once until another is spoken, the user told
// when there is no engine or no sound device, and the read-aloud and hint
// options switched off when speech cannot work.
class Speech : public QObject
{
    Q_OBJECT

public:
    // Opens a help page named by its literal ("\help.chm::html/....htm") in
    // the help window with its contents list; false when it cannot.
    using HelpOpener = std::function<bool(const QString &pageLiteral)>;

    // Decides SpeechEngineReady from the engine once, here. The engine, the
    // output and the prompter must outlive this object.
    Speech(SpeechEngine &engine, SoundOutput &output, Prompter &prompter, HelpOpener openHelp,
           QObject *parent = nullptr);

    bool SpeechEngineReady() const { return m_SpeechEngineReady; }

    // The text last handed to the engine; empty at first. Setting it to "1"
    // makes the next request speak even a text that was spoken last.
    QString LastSpokenText() const { return m_LastSpokenText; }
    void setLastSpokenText(const QString &text) { m_LastSpokenText = text; }

    // The `Voice` setting, "女声" or "男声"; female until set.
    void setVoice(const QString &voiceSetting) { m_voiceSetting = voiceSetting; }

    // Says text (spaces around it removed) at speed words per minute without
    // waiting, unless it equals LastSpokenText. Without an engine asks
    // whether to show help; without a sound device says so; either way, and
    // when the engine fails, the read-aloud and hint options are switched off.
    void SpeakText(const QString &text, qint16 speed);

signals:
    // The main window unticks its two read-aloud boxes (Check1, Check2) and
    // its three hint boxes (Check4, Check5, Check6).
    void speechOptionsSwitchedOff();

private:
    void offerHelp();
    void engineFailed();

    SpeechEngine &m_engine;
    SoundOutput &m_output;
    Prompter &m_prompter;
    HelpOpener m_openHelp;
    bool m_SpeechEngineReady = false;
    QString m_LastSpokenText;
    QString m_voiceSetting;
    bool m_prompting = false;
};
