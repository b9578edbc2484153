// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/WordDrill.h"

#include "core/material/DrillFiles.h"
#include "core/material/WordListDraw.h"
#include "core/platform/WindowsColor.h"
#include "core/practice/DrillModel.h"
#include "core/settings/Settings.h"
#include "gui/practice/DrillChooser.h"
#include "gui/practice/DrillWidgets.h"
#include "gui/practice/KeyboardArea.h"
#include "widgets/InputBox.h"
#include "widgets/KorvelButton.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/RadicalAnalysisStrip.h"
#include "widgets/WubiKeyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTextEdit>

WordDrill::WordDrill(DrillModel &model, DrillMaterial material, DrillVoice &voice, KeyboardArea &keyboards,
                     QFrame *Frame5, QFrame *Frame6, QCheckBox *Check5, QObject *parent)
    : QObject(parent),
      Label13(DrillWidgets::caption(QStringLiteral("Label13"), QStringLiteral("请选择练习内容："), Frame6)),
      Combo1(DrillWidgets::chooser(QStringLiteral("Combo1"), Frame6)),
      Check2(DrillWidgets::optionBox(QStringLiteral("Check2"), Frame6)),
      Check9(DrillWidgets::optionBox(QStringLiteral("Check9"), Frame6)),
      RichTextBox1(DrillWidgets::targetWord(Frame5)),
      Label3(DrillWidgets::hintLabel(QStringLiteral("Label3"), Frame5)),
      Wbzg1(DrillWidgets::analysisStrip(QStringLiteral("Wbzg1"), Frame5)),
      Text2(DrillWidgets::inputBox(QStringLiteral("Text2"), Frame5)),
      KorvelButton4(new KorvelButton(Frame5)),
      m_model(model), m_material(material), m_voice(voice), m_keyboards(keyboards), m_Frame5(Frame5),
      m_Check5(Check5)
{
    Check9->setText(QStringLiteral("智能分析"));
    Label13->setBuddy(Combo1);
    KorvelButton4->setObjectName(QStringLiteral("KorvelButton4"));
    KorvelButton4->setText(QStringLiteral("朗读"));
    KorvelButton4->setToolTip(QStringLiteral("朗读当前单词"));
    KorvelButton4->setFocusPolicy(Qt::NoFocus);
    DrillWidgets::placeChooserRow(Label13, Combo1, Check2, Check9);
    DrillWidgets::placeWordLine(Frame5, RichTextBox1, Label3, Wbzg1, Text2, KorvelButton4);
    Wbzg1->hide();

    connect(Combo1, &QComboBox::activated, this, &WordDrill::Combo1_Click);
    connect(Check2, &QCheckBox::clicked, this, &WordDrill::Check2_Click);
    connect(Check9, &QCheckBox::clicked, this, &WordDrill::Check9_Click);
    connect(KorvelButton4, &KorvelButton::clicked, this, &WordDrill::KorvelButton4_Click);
    connect(Text2, &InputBox::keyDown, this, &WordDrill::Text2_KeyDown);
    connect(Text2, &InputBox::keyPress, this, &WordDrill::Text2_KeyPress);
    connect(Text2, &InputBox::change, this, &WordDrill::Text2_Change);
    connect(Text2, &InputBox::gotFocus, this, &WordDrill::Text2_Change);
    connect(&m_model, &DrillModel::wordChanged, this, &WordDrill::showWord);
    connect(&m_model, &DrillModel::nextWordWanted, this, [this] {
        m_keyboards.LUMOJP1->conceal();
        read_text(m_model.wordDrillKind());
    });
}

void WordDrill::FillWordLists(WordDrillKind kind)
{
    const Settings &settings = m_model.settings();
    const DrillChoices choices = kind == WordDrillKind::Phrases
        ? DrillChoices::filesIn(m_material.programFolder.path(DrillFiles::phraseFolder(settings.InputMeans)),
                                settings.Phrase)
        : DrillChoices::filesIn(m_material.programFolder.path(DrillFiles::englishWordFolder()), settings.Eword);
    if (DrillChooser::fill(Combo1, choices, m_material.prompter))
        Combo1_Click();
    else
        m_model.setWord({});
}

void WordDrill::Combo1_Click()
{
    read_text(m_model.wordDrillKind());
    Text2->setFocus();
}

void WordDrill::read_text(WordDrillKind kind)
{
    Settings &settings = m_model.settings();
    Text2->clear();
    QString literal;
    DrillLine::Format format = DrillLine::Hash;
    switch (kind) {
    case WordDrillKind::EnglishWords:
        literal = DrillFiles::englishWordList(Combo1->currentText());
        settings.Eword = DrillFiles::fileName(Combo1->currentText());
        break;
    case WordDrillKind::Phrases:
        literal = DrillFiles::phraseList(settings.InputMeans, Combo1->currentText());
        settings.Phrase = DrillFiles::fileName(Combo1->currentText());
        format = DrillLine::Phrase;
        break;
    case WordDrillKind::NumberWords:
        literal = DrillFiles::englishNumbers();
        break;
    }
    const QString path = m_material.programFolder.path(literal);
    const WordListDraw drawn = WordListDraw::draw(path, format, m_material.random);
    switch (drawn.status) {
    case WordListDraw::Status::Drawn:
        m_model.setWord(drawn.line);
        break;
    case WordListDraw::Status::NoData:
        offerToDelete(kind, path);
        break;
    case WordListDraw::Status::Unreadable:
    case WordListDraw::Status::NoHash:
        break;
    }
}

void WordDrill::offerToDelete(WordDrillKind kind, const QString &path)
{
    QComboBox *chooser = kind == WordDrillKind::NumberWords ? nullptr : Combo1;
    if (DrillChooser::askToDeleteEmptyFile(path, chooser, m_material.prompter)) {
        Combo1->setCurrentIndex(0);
        Combo1_Click();
    } else {
        m_model.setWord({});
    }
}

void WordDrill::showWord()
{
    const WordBoxInput &word = m_model.word();
    RichTextBox1->setPlainText(word.word());
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(plain);

    if (word.word().isEmpty()) {
        Label3->clear();
    } else if (m_model.wordDrillKind() == WordDrillKind::Phrases) {
        showPhraseHints(false);
    } else {
        Label3->setText(QStringLiteral("词意：") + m_model.wordHint());
        Label3->show();
        if (m_model.optionTicked())
            m_voice.speak(word.word());
        m_keyboards.LUMOJP1->xzjp(word.nextTarget());
    }
    // The box may have been empty already; the new word's limit and first
    // target still apply.
    Text2_Change();
}

void WordDrill::showPhraseHints(bool codeAsked)
{
    const bool codeShown = codeAsked || m_model.optionTicked();
    const QString code = m_model.code();
    Label3->setText(m_model.codeHint(code));
    Label3->setVisible(codeShown);
    Wbzg1->setVisible(m_model.analysisEnabled() && m_model.analysisTicked());
    Wbzg1->WBZGDemand(m_model.word().word().trimmed());
    if (m_model.isWubi() && codeShown)
        m_keyboards.lumo_wbjp1->load_wbm(code);
    else
        m_keyboards.lumo_wbjp1->conceal_wbm();
}

void WordDrill::colourCharacter(int position, WordBoxInput::Mark mark)
{
    const Settings &settings = m_model.settings();
    const qint32 colour = mark == WordBoxInput::Mark::Right ? settings.RightColor : settings.ErrorColor;
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
        const WordDrillKind kind = m_model.wordDrillKind();
        if (kind == WordDrillKind::EnglishWords) {
            m_model.setOptionTicked(Check2->isChecked());
        } else if (kind == WordDrillKind::Phrases) {
            m_model.setOptionTicked(Check2->isChecked());
            if (!m_model.word().word().isEmpty())
                showPhraseHints(false);
            else
                Label3->setVisible(Check2->isChecked());
        }
    }
    Text2->setFocus();
}

void WordDrill::Check9_Click()
{
    m_model.setAnalysisTicked(Check9->isChecked());
    Wbzg1->setVisible(Check9->isChecked());
    Text2->setFocus();
}

void WordDrill::KorvelButton4_Click()
{
    m_voice.repeatNextSpeech();
    m_voice.speak(m_model.word().word());
    Text2->setFocus();
}

void WordDrill::Text2_KeyDown(int keyCode, int)
{
    const WordBoxInput::KeyDown down = m_model.wordKeyDown(keyCode);
    if (down.showCode)
        showPhraseHints(true);
    if (down.forceRepeat)
        m_voice.repeatNextSpeech();
    if (down.speakWord)
        m_voice.speak(m_model.word().word());
    Text2->setFocus();
}

void WordDrill::Text2_KeyPress(int &code)
{
    const WordBoxInput::Press press = m_model.wordKeyPress(char32_t(code), Text2->text());
    if (press.markPosition >= 0 && !press.nextWord)
        colourCharacter(press.markPosition, press.mark);
    if (press.swallow)
        code = 0;
}

void WordDrill::Text2_Change()
{
    Text2->setMaxLength(m_model.word().maxLength());
    m_model.wordChange(Text2->text());
    m_keyboards.LUMOJP1->xzjp(m_model.word().nextTarget());
}
