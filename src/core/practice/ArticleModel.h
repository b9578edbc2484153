// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/practice/ArticleHints.h"
#include "core/practice/ArticleLines.h"
#include "core/practice/ArticleLookup.h"
#include "core/practice/KeySound.h"
#include "core/practice/MarkedText.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

class Exercise;
struct Settings;

// The article exercise as the two article views show it: the source text
// from the typing position on with the colour of every typed character, the
// next target, the hints, and the keystroke rules that judge each key, keep
// the counters and the wrong characters of the exercise, and end the
// exercise when the last character is typed.
//
// The views paint the boxes and pass their input boxes' events here, as the
// InputBox raises them: for every key keyDown, keyPress with the character
// code (the text of the box before the key), then change with the box's new
// text; a text committed by an input method comes one keyPress and change per
// character. Box 0 is the normal view (RichTextBox2 over Text9), boxes 1 to
// 8 the line pairs of the abreast view (RTBoxAbreast(i) over TextAbreas(i)).
// Events of a box that is not shown, or is disabled, are ignored.
//
// When the model replaces the texts (sourcesChanged), it has already run the
// change of the box to type in; a view that empties its input boxes to match
// does so without raising their change again.
class ArticleModel : public QObject
{
    Q_OBJECT

public:
    enum class View { Normal, Abreast }; // the `Window` setting: 0, 1

    static constexpr int NormalBox = 0;
    static constexpr int PairCount = ArticleLines::PageLines;

    // A source box with its input box.
    struct Box
    {
        MarkedText source;          // RichTextBox2 or RTBoxAbreast(i)
        QString typed;              // Text9 or TextAbreas(i) as it last changed
        qsizetype position = 0;     // the typing position (selection start), in characters
        qsizetype targetLength = 0; // characters highlighted as the next target
        QString target;             // the next target; "" when nothing is left
        bool enabled = false;       // the input box takes keys

        // The highlight in the UTF-16 positions of source.text().
        qsizetype selectionStart() const { return source.utf16Position(position); }
        qsizetype selectionLength() const
        {
            return source.utf16Position(position + targetLength) - selectionStart();
        }
    };

    struct Press
    {
        bool swallow = false;                        // the key must not reach the box (Enter)
        MarkedText::Mark mark = MarkedText::Mark::Plain; // the colour the key gave its target, Plain if none
        bool finished = false;                       // the key ended the exercise

        bool operator==(const Press &) const = default;
    };

    // The three must outlive the model. Settings are read at each event, so
    // option boxes and hot keys changed meanwhile take effect at once.
    ArticleModel(Settings &settings, Exercise &exercise, ArticleLookup lookup, QObject *parent = nullptr);

    // preliminary: opens the practised text of the exercise, from the input
    // count on, in the view: the normal view takes the rest in one source
    // box; the abreast view cuts it into lines (ArticleLines) and shows the
    // first page. Every mark is plain, and the change of the first input box
    // runs (target, hints, speech). The exercise's earlier count is left as
    // it is: zero after Cleanup, the input count after a switch.
    void open(Language language, View view);
    // The view switch (toolbar buttons 6 and 7, the view menu): the input
    // count becomes the earlier count and the article reopens in view, so the
    // typing goes on at the next character with the counts kept.
    void switchView(View view);

    Language language() const { return m_language; }
    View view() const { return m_view; }
    // The last character was typed (or the end test fired): the clock is off
    // and no key or change is taken until the next open.
    bool isFinished() const { return m_finished; }

    // Box 0 in the normal view, 1 to 8 in the abreast view; an empty box for
    // any other index.
    const Box &box(int index) const;
    // The box keys go to: 0, or the active line.
    int currentBox() const { return m_view == View::Normal ? NormalBox : m_activeLine; }
    // The most UTF-16 units TextAbreas(i) may hold: the length of its source
    // line; -1 (no limit) for Text9.
    qsizetype maxLength(int index) const;

    // Abreast view: the article lines, the number of lines before this page,
    // and the pair being typed in.
    const QStringList &lines() const { return m_lines; }
    int pageOffset() const { return m_pageOffset; }
    int activeLine() const { return m_activeLine; }

    // Label11, or Label21 and Label22.
    ArticleHints::Labels labels() const { return m_labels; }
    // The English word the `ReciteKey` speaks; emptied by every change.
    QString hintWord() const { return m_hintWord; }

    // A key press in an input box holding typed. Every key starts the clock;
    // Enter is swallowed and Enter, Tab and Esc do nothing else. A character
    // is compared with the first character of the next target: its whole
    // highlight takes the right or the wrong colour, the key sound is asked
    // for and the correct or wrong count goes up, a wrong key adding the
    // expected character to the wrong characters. Backspace compares the last
    // character of the box with the source at its position and takes one off
    // the count of that kind, leaving colours, sound and wrong characters.
    // Then the end test: when the input count is one short of the text, the
    // exercise ends (finished()) -- a key that types that last character
    // counts it in the input count first.
    Press keyPress(int box, char32_t code, QStringView typed);

    // The input box changed to typed, or got the focus: the hint word is
    // emptied, the typing position follows the box, the input count becomes
    // the earlier count plus the typed length, and the target and hints move
    // on. In the abreast view a line typed to its length (the text not yet
    // finished) adds to the earlier count and hands over to the next pair, or
    // after the eighth pair brings the next page.
    void change(int box, QStringView typed);

    // A key down with its virtual-key code: in English the `ReciteKey` speaks
    // the hint word; in Chinese the `CueKey` shows the code of the target
    // when the code lists know it.
    void keyDown(int box, int keyCode);

signals:
    // The source texts were replaced (open, a new page): paint every box.
    void sourcesChanged();
    // Characters of a box's source took a new colour; UTF-16 positions.
    void marksChanged(int box, qsizetype start, qsizetype length);
    // The highlight of a box moved, or the box was enabled or disabled.
    void targetChanged(int box);
    void hintsChanged();
    // The input box to give the focus to.
    void focusWanted(int box);
    void keySound(KeySound sound);
    // SpeakText.
    void speechWanted(const QString &text);
    // xzjp of the on-screen keyboard.
    void keyMarkWanted(const QString &character);
    // load_wbm of the Wubi radical keyboard.
    void wubiCodeWanted(const QString &code);
    // The last character was typed: the clock is off; the save dialog opens.
    void finished();
    // A character key was judged against the first character of the target
    // (Backspace is not judged); emitted after the counters changed.
    void keyJudged(const QString &target, const QString &typed, bool correct);

private:
    bool accepts(int index) const;
    ArticleHints::Options hintOptions() const;
    void show(int index, const ArticleHints::Next &next);
    void runChange(int index, QStringView typed);
    void advanceLine(qsizetype typedLength);
    void loadPage();

    Settings &m_settings;
    Exercise &m_exercise;
    ArticleLookup m_lookup;
    Language m_language = Language::English;
    View m_view = View::Normal;
    qsizetype m_practisedLength = 0;
    bool m_finished = false;
    std::array<Box, PairCount + 1> m_boxes;
    QStringList m_lines;
    int m_pageOffset = 0;
    int m_activeLine = 1;
    ArticleHints::Labels m_labels;
    QString m_hintWord;
};
