// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/WordDrill.h"

#include "core/material/DrillFiles.h"
#include "core/material/WordListDraw.h"
#include "core/platform/WindowsColor.h"
#include "core/practice/Exercise.h"
#include "core/practice/KeySound.h"
#include "core/settings/Settings.h"
#include "gui/practice/DrillChooser.h"
#include "gui/practice/DrillContext.h"
#include "gui/practice/DrillWidgets.h"
#include "widgets/InputBox.h"
#include "widgets/KorvelButton.h"
#include "widgets/OnScreenKeyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTextEdit>

namespace {

constexpr int EnglishWords = 1;
constexpr int Phrases = 2;
constexpr int NumberWords = 3;

} // namespace

WordDrill::WordDrill(DrillContext &context, QFrame *Frame5, QFrame *Frame6, QCheckBox *Check5, QObject *parent)
    : QObject(parent),
      Label13(DrillWidgets::caption(QStringLiteral("Label13"), QStringLiteral("请选择练习内容："), Frame6)),
      Combo1(DrillWidgets::chooser(QStringLiteral("Combo1"), Frame6)),
      Check2(DrillWidgets::optionBox(QStringLiteral("Check2"), Frame6)),
      Check9(DrillWidgets::optionBox(QStringLiteral("Check9"), Frame6)),
      RichTextBox1(DrillWidgets::targetWord(Frame5)),
      Label3(DrillWidgets::hintLabel(QStringLiteral("Label3"), Frame5)),
      Text2(DrillWidgets::inputBox(QStringLiteral("Text2"), Frame5)),
      KorvelButton4(new KorvelButton(Frame5)),
      m_context(context), m_Frame5(Frame5), m_Check5(Check5)
{
    Check9->setText(QStringLiteral("智能分析"));
    Label13->setBuddy(Combo1);
    KorvelButton4->setObjectName(QStringLiteral("KorvelButton4"));
    KorvelButton4->setText(QStringLiteral("朗读"));
    KorvelButton4->setToolTip(QStringLiteral("朗读当前单词"));
    KorvelButton4->setFocusPolicy(Qt::NoFocus);
    DrillWidgets::placeChooserRow(Label13, Combo1, Check2, Check9);
    DrillWidgets::placeWordLine(Frame5, RichTextBox1, Label3, Text2, KorvelButton4);

    connect(Combo1, &QComboBox::activated, this, &WordDrill::Combo1_Click);
    connect(Check2, &QCheckBox::clicked, this, &WordDrill::Check2_Click);
    connect(Check9, &QCheckBox::clicked, this, &WordDrill::Check9_Click);
    connect(KorvelButton4, &KorvelButton::clicked, this, &WordDrill::KorvelButton4_Click);
    connect(Text2, &InputBox::keyDown, this, &WordDrill::Text2_KeyDown);
    connect(Text2, &InputBox::keyPress, this, &WordDrill::Text2_KeyPress);
    connect(Text2, &InputBox::change, this, &WordDrill::Text2_Change);
    connect(Text2, &InputBox::gotFocus, this, &WordDrill::Text2_Change);
}

void WordDrill::FillWordLists(int kind)
{
    const Settings &settings = m_context.settings;
    const DrillChoices choices = kind == Phrases
        ? DrillChoices::filesIn(m_context.programFolder.path(DrillFiles::phraseFolder(settings.InputMeans)),
                                settings.Phrase)
        : DrillChoices::filesIn(m_context.programFolder.path(DrillFiles::englishWordFolder()), settings.Eword);
    if (DrillChooser::fill(Combo1, choices, m_context.prompter))
        Combo1_Click();
    else
        clearWord();
}

void WordDrill::Combo1_Click()
{
    read_text(m_kind);
    Text2->setFocus();
}

void WordDrill::read_text(int kind)
{
    Settings &settings = m_context.settings;
    Text2->clear();
    QString literal;
    DrillLine::Format format = DrillLine::Hash;
    switch (kind) {
    case EnglishWords:
        literal = DrillFiles::englishWordList(Combo1->currentText());
        settings.Eword = DrillFiles::fileName(Combo1->currentText());
        break;
    case Phrases:
        literal = DrillFiles::phraseList(settings.InputMeans, Combo1->currentText());
        settings.Phrase = DrillFiles::fileName(Combo1->currentText());
        format = DrillLine::Phrase;
        break;
    case NumberWords:
        literal = DrillFiles::englishNumbers();
        break;
    default:
        return;
    }
    const QString path = m_context.programFolder.path(literal);
    const WordListDraw drawn = WordListDraw::draw(path, format, m_context.random);
    switch (drawn.status) {
    case WordListDraw::Status::Drawn:
        showWord(kind, drawn.line);
        break;
    case WordListDraw::Status::NoData:
        offerToDelete(kind, path);
        break;
    case WordListDraw::Status::Unreadable:
    case WordListDraw::Status::NoHash:
        break;
    }
}

void WordDrill::offerToDelete(int kind, const QString &path)
{
    QComboBox *chooser = kind == NumberWords ? nullptr : Combo1;
    if (DrillChooser::askToDeleteEmptyFile(path, chooser, m_context.prompter)) {
        Combo1->setCurrentIndex(0);
        Combo1_Click();
    } else {
        clearWord();
    }
}

void WordDrill::showWord(int kind, const DrillLine &line)
{
    m_input.setWord(line.target);
    RichTextBox1->setPlainText(line.target);
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(plain);

    if (kind == Phrases) {
        Label3->setText(m_context.codeHint(line.hint));
        m_context.wubi.WBZGDemand(WubiAids::Analysis::Wbzg1, line.target.trimmed());
        Label3->setVisible(Check2->isChecked());
        if (m_context.isWubi()) {
            if (Check2->isChecked())
                m_context.wubi.load_wbm(line.hint);
            else
                m_context.wubi.conceal_wbm();
        }
    } else {
        Label3->setText(QStringLiteral("词意：") + line.hint);
        Label3->show();
        const QCheckBox *readAloud = kind == EnglishWords ? Check2 : m_Check5;
        if (readAloud->isChecked())
            m_context.speak(line.target);
    }
    if (kind != Phrases)
        m_context.LUMOJP1->xzjp(m_input.nextTarget());
    // The box may have been empty already; the new word's limit and first
    // target still apply.
    Text2_Change();
}

void WordDrill::clearWord()
{
    m_input.setWord(QString());
    RichTextBox1->clear();
    Label3->clear();
    Text2_Change();
}

void WordDrill::colourCharacter(int position, WordBoxInput::Mark mark)
{
    const qint32 colour = mark == WordBoxInput::Mark::Right ? m_context.settings.RightColor
                                                            : m_context.settings.ErrorColor;
    QTextCharFormat format;
    format.setForeground(WindowsColor::toQColor(colour));
    QTextCursor cursor(RichTextBox1->document());
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

void WordDrill::Check2_Click()
{
    if (DrillWidgets::isShown(m_Frame5)) {
        const qint16 value = Check2->isChecked() ? 1 : 0;
        if (m_kind == EnglishWords) {
            m_context.settings.EWordRecite = value;
        } else if (m_kind == Phrases) {
            if (Check2->isChecked()) {
                Label3->show();
                const QString code = m_context.codeOf(m_input.word());
                if (m_context.isWubi())
                    m_context.wubi.load_wbm(code);
            } else {
                Label3->hide();
                m_context.wubi.conceal_wbm();
            }
            m_context.settings.CWordCue = value;
        }
    }
    Text2->setFocus();
}

void WordDrill::Check9_Click()
{
    m_context.wubi.showAnalysis(WubiAids::Analysis::Wbzg1, Check9->isChecked());
    m_context.settings.CWbzgDemand = Check9->isChecked() ? 1 : 0;
    Text2->setFocus();
}

void WordDrill::KorvelButton4_Click()
{
    m_context.repeatNextSpeech();
    m_context.speak(RichTextBox1->toPlainText());
    Text2->setFocus();
}

void WordDrill::Text2_KeyDown(int keyCode, int)
{
    const Settings &settings = m_context.settings;
    const WordBoxInput::KeyDown down = WordBoxInput::keyDown(keyCode, m_kind, settings.ReciteKey, settings.CueKey);
    if (down.showCode) {
        Label3->show();
        if (m_context.isWubi())
            m_context.wubi.load_wbm(Label3->text().section(QStringLiteral("："), 1));
    }
    if (down.forceRepeat)
        m_context.repeatNextSpeech();
    if (down.speakWord)
        m_context.speak(RichTextBox1->toPlainText());
    Text2->setFocus();
}

void WordDrill::Text2_KeyPress(int &code)
{
    m_context.exercise.startClock();
    DrillCounts counts = m_context.counts();
    const WordBoxInput::Press press = m_input.keyPress(char32_t(code), Text2->text(), counts);
    // Counted before the next word may be read aloud: the speaking face lets
    // the next keys in while it shows.
    m_context.setCounts(counts);
    if (press.markPosition >= 0)
        colourCharacter(press.markPosition, press.mark);
    if (press.swallow)
        code = 0;
    if (press.nextWord) {
        read_text(m_kind);
        m_context.playKeySound(KeySound::WordDone);
        return;
    }
    m_context.playKeySound(press.sound);
}

void WordDrill::Text2_Change()
{
    Text2->setMaxLength(m_input.maxLength());
    const bool done = m_input.change(Text2->text());
    m_context.LUMOJP1->xzjp(m_input.nextTarget());
    if (done) {
        m_context.LUMOJP1->conceal();
        read_text(m_kind);
        m_context.playKeySound(KeySound::WordDone);
    }
}
