// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillKinds.h"
#include "core/practice/DrillCounts.h"
#include "core/practice/KeySound.h"

#include <QList>
#include <QString>
#include <QStringView>

// The keystroke rules of the word box Text2: the target word or phrase shown
// in RichTextBox1 is typed character by character; each character is judged
// when its key is pressed, before it reaches the box, and its position in the
// word takes the right or the wrong colour; the next word comes when the
// typed text is as long as the word.
class WordBoxInput
{
public:
    enum class Mark { Plain, Right, Wrong };

    struct Press
    {
        KeySound sound = KeySound::None;
        int markPosition = -1;  // position of the word to colour with mark, or -1
        Mark mark = Mark::Plain;
        bool swallow = false;   // the key must not reach the box (Enter)
        bool nextWord = false;  // draw the next word, then play the word-finished sound

        bool operator==(const Press &) const = default;
    };

    // A new word (read_text): every position plain, the first character the
    // next target.
    void setWord(const QString &word);
    QString word() const { return m_word; }
    Mark mark(qsizetype position) const { return m_marks.value(position, Mark::Plain); }

    // The character to type next, the one at the typed length; empty once the
    // word is typed (or when the word is empty).
    QString nextTarget() const { return m_nextTarget; }

    // The box holds at most the word's length plus one character.
    int maxLength() const { return int(m_word.size()) + 1; }

    // The change of the word box (also run when it gets the focus): re-takes
    // the next target from the typed length. Returns true when the typed text
    // is as long as the word: the word is done and the next one is to be
    // drawn. An empty word is never done by itself (Enter moves on), since
    // drawing the next word empties the box and runs this again.
    bool change(QStringView typed);

    // A key press with its character code (a Unicode code point; 8
    // Backspace, 9 Tab, 13 Enter, 27 Esc) while the box holds typed. Every
    // key but Backspace adds to the input count; Tab and Esc do nothing else.
    // Enter is swallowed and moves to the next word only when the word is
    // typed. Any other key past the end of the word is not judged. A
    // character key is compared with the next target: right or wrong counts
    // and colour. Backspace re-judges the character it deletes against the
    // word and takes back its count and its input, leaving the colour.
    Press keyPress(char32_t code, QStringView typed, DrillCounts &counts);

    struct KeyDown
    {
        bool showCode = false;    // phrases and the hint key: show Label3 and the code's keys
        bool forceRepeat = false; // the next request speaks even the word spoken last
        bool speakWord = false;   // the read-aloud key: speak the whole word

        bool operator==(const KeyDown &) const = default;
    };

    // A key down with its virtual-key code in a word drill; the hot keys are the
    // `ReciteKey` and `CueKey` settings. In the English drills every key down
    // lets the current word be spoken again.
    static KeyDown keyDown(int keyCode, WordDrillKind kind, int reciteKey, int cueKey);

private:
    QString m_word;
    QString m_nextTarget;
    QList<Mark> m_marks;
};
