// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/KeyboardMusicFilter.h"

#include "core/settings/Settings.h"
#include "core/sound/KeyboardMusic.h"
#include "core/sound/MidiOut.h"
#include "widgets/InputBox.h"

#include "FakeMidiOutput.h"
#include "ScriptedPrompter.h"

#include <QTest>

class tst_KeyboardMusicFilter : public QObject
{
    Q_OBJECT

private slots:
    void lettersReachTheMusicBeforeTheInputMethod();
};

namespace {

// Stands in for an input method: takes every key it sees.
class SwallowingFilter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        ++taken;
        return true;
    }
    int taken = 0;
};

} // namespace

void tst_KeyboardMusicFilter::lettersReachTheMusicBeforeTheInputMethod()
{
    Settings settings;
    settings.KeyMusic = 1;
    settings.MusicInst = 5;
    FakeMidiOutput output;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    KeyboardMusic music(settings, &midi);

    InputBox box;
    SwallowingFilter inputMethod;
    box.installEventFilter(&inputMethod);
    KeyboardMusicFilter filter(music);
    filter.watch(&box);
    box.show();
    box.setFocus();

    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_1);
    QCOMPARE(output.sent, (QList<quint32>{0x0005C0, 0x000080, 0x7F2490, 0x0005C0, 0x002480, 0x7F3D90}));
    // The music only listens: every key still went on to the input method
    // (Shift and Control are keys of their own).
    QCOMPARE(inputMethod.taken, 6);
    QCOMPARE(box.text(), QString());
}

QTEST_MAIN(tst_KeyboardMusicFilter)
#include "tst_keyboardmusicfilter.moc"
