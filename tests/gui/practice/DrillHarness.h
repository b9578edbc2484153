// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/practice/Exercise.h"
#include "core/settings/Settings.h"
#include "core/sound/KeySoundSwitch.h"
#include "core/sound/SoundEffects.h"
#include "core/sound/Speech.h"
#include "core/wubi/CodeTable.h"
#include "core/practice/DrillModel.h"
#include "gui/practice/DrillPanel.h"
#include "gui/practice/DrillServices.h"
#include "gui/practice/KeyboardArea.h"
#include "gui/practice/SingleKeyDrill.h"
#include "gui/practice/WordDrill.h"
#include "widgets/InputBox.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/WubiKeyboard.h"

#include "FakeSoundOutput.h"
#include "FakeSpeechEngine.h"
#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QFileInfo>
#include <QFrame>
#include <QInputMethodEvent>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>

// A drill area as the practice panel lays it out (Frame3 with the choosers
// Frame4 and Frame6 and the word line Frame5, the keyboard below), with real
// drills over a copy of the material fixture, the real code lists and key
// sound and speech rules on fake outputs, scripted message boxes and draws.
class DrillHarness
{
public:
    explicit DrillHarness(const Settings &settings, bool speechEngineReady = true);
    ~DrillHarness();

    // Shows the window, opens the drill and waits until it can take keys.
    void open(DrillEntry::Id id);

    // Types keys into the drill's box: ASCII characters as key clicks ("\b"
    // Backspace, "\r" Enter, "\t" Tab), any other character as text committed
    // by an input method.
    void type(const QString &keys);

    DrillCounts counts() const
    {
        return { exercise.count(Exercise::Counter::Input), exercise.count(Exercise::Counter::Correct),
                 exercise.count(Exercise::Counter::Wrong) };
    }
    // The key sound files played, by name ("type.wav", "cw.WAV", "enter.wav").
    QStringList sounds() const;

    TestFolder program;
    Settings settings;
    Exercise exercise;
    ScriptedPrompter prompter;
    ScriptedRandom random;
    FakeSoundOutput output;
    FakeSpeechEngine engine;
    int faces = 0; // face_change calls
    // Runs inside face_change, where the real one lets other events in.
    std::function<void()> duringFace;
    QWidget window;
    QFrame *Frame3;
    QFrame *Frame4;
    QFrame *Frame5;
    QFrame *Frame6;
    OnScreenKeyboard *LUMOJP1;
    WubiKeyboard *lumo_wbjp1;
    std::unique_ptr<CodeTable> codeTable;
    std::unique_ptr<SoundEffects> effects;
    std::unique_ptr<KeySoundSwitch> keySounds;
    std::unique_ptr<Speech> speech;
    std::unique_ptr<KeyboardArea> keyboards;
    std::unique_ptr<DrillVoice> voice;
    std::unique_ptr<DrillPanel> panel;
};

namespace DrillHarnessParts {

inline QFrame *frame(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace DrillHarnessParts

inline DrillHarness::DrillHarness(const Settings &settings, bool speechEngineReady)
    : settings(settings), engine(speechEngineReady)
{
    program.copyFixture(QStringLiteral("material/program"));
    Frame3 = DrillHarnessParts::frame(QStringLiteral("Frame3"), &window, QRect(0, 0, 419, 253));
    Frame4 = DrillHarnessParts::frame(QStringLiteral("Frame4"), Frame3, QRect(0, 0, 419, 40));
    Frame6 = DrillHarnessParts::frame(QStringLiteral("Frame6"), Frame3, QRect(0, 0, 419, 40));
    Frame5 = DrillHarnessParts::frame(QStringLiteral("Frame5"), Frame3, QRect(0, 44, 419, 209));
    LUMOJP1 = new OnScreenKeyboard(&window);
    LUMOJP1->setObjectName(QStringLiteral("LUMOJP1"));
    LUMOJP1->move(0, 257);
    lumo_wbjp1 = new WubiKeyboard(&window);
    lumo_wbjp1->setObjectName(QStringLiteral("lumo_wbjp1"));
    lumo_wbjp1->move(0, 257);
    window.resize(589, 440);

    const ProgramFolder folder(program.path());
    codeTable = std::make_unique<CodeTable>(folder, this->settings);
    effects = std::make_unique<SoundEffects>(folder, output);
    keySounds = std::make_unique<KeySoundSwitch>(this->settings, *effects);
    speech = std::make_unique<Speech>(engine, output, prompter, [](const QString &) { return true; });
    keyboards = std::make_unique<KeyboardArea>(LUMOJP1, lumo_wbjp1, [] {});
    voice = std::make_unique<DrillVoice>(*speech, this->settings, [this] {
        ++faces;
        if (duringFace)
            std::exchange(duringFace, nullptr)();
    });
    panel = std::make_unique<DrillPanel>(this->settings, exercise, *codeTable, DrillMaterial{folder, prompter, random},
                                         *voice, *keySounds, *keyboards, Frame3, Frame4, Frame5, Frame6);
    QObject::connect(speech.get(), &Speech::speechOptionsSwitchedOff, panel.get(),
                     &DrillPanel::switchSpeechOptionsOff);
}

inline DrillHarness::~DrillHarness() = default;

inline void DrillHarness::open(DrillEntry::Id id)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    panel->openDrill(id);
}

inline void DrillHarness::type(const QString &keys)
{
    InputBox *box = panel->singleKey()->area->isVisible() ? panel->singleKey()->Text1 : panel->word()->Text2;
    for (const QChar key : keys) {
        switch (key.unicode()) {
        case '\b':
            QTest::keyClick(box, Qt::Key_Backspace);
            break;
        case '\r':
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case '\t':
            QTest::keyClick(box, Qt::Key_Tab);
            break;
        default:
            if (key.unicode() < 0x80) {
                QTest::keyClick(box, key.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(key);
                QApplication::sendEvent(box, &commit);
            }
        }
    }
}

inline QStringList DrillHarness::sounds() const
{
    QStringList names;
    for (const QString &played : output.played()) {
        if (played.startsWith(QStringLiteral("play ")))
            names.append(QFileInfo(played.mid(5)).fileName());
        else if (played != QStringLiteral("speech"))
            names.append(played);
    }
    return names;
}
