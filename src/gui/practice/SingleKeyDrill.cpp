// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/SingleKeyDrill.h"

#include "core/material/CharacterPool.h"
#include "core/material/DrillDraw.h"
#include "core/material/DrillFiles.h"
#include "core/platform/Prompter.h"
#include "core/practice/Exercise.h"
#include "core/practice/SingleKeyInput.h"
#include "core/settings/Settings.h"
#include "gui/practice/DrillChooser.h"
#include "gui/practice/DrillContext.h"
#include "gui/practice/DrillWidgets.h"
#include "widgets/InputBox.h"
#include "widgets/OnScreenKeyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

SingleKeyDrill::SingleKeyDrill(DrillContext &context, QFrame *Frame3, QFrame *Frame4, QFrame *Frame5,
                               QObject *parent)
    : QObject(parent),
      Label14(DrillWidgets::caption(QStringLiteral("Label14"), QStringLiteral("请选择练习内容："), Frame4)),
      Combo2(DrillWidgets::chooser(QStringLiteral("Combo2"), Frame4)),
      Check1(DrillWidgets::optionBox(QStringLiteral("Check1"), Frame4)),
      Check8(DrillWidgets::optionBox(QStringLiteral("Check8"), Frame4)),
      area(new QWidget(Frame3)),
      Label2(DrillWidgets::targetCharacter(area)),
      Label4(DrillWidgets::hintLabel(QStringLiteral("Label4"), area)),
      Text1(DrillWidgets::inputBox(QStringLiteral("Text1"), area)),
      m_context(context), m_Frame3(Frame3), m_Frame5(Frame5)
{
    Check8->setText(QStringLiteral("智能分析"));
    Label14->setBuddy(Combo2);
    DrillWidgets::placeChooserRow(Label14, Combo2, Check1, Check8);
    DrillWidgets::placeTargetArea(area, Label2, Label4, Text1, Frame5);
    Label4->hide();

    connect(Combo2, &QComboBox::activated, this, &SingleKeyDrill::Combo2_Click);
    connect(Check1, &QCheckBox::clicked, this, &SingleKeyDrill::Check1_Click);
    connect(Check8, &QCheckBox::clicked, this, &SingleKeyDrill::Check8_Click);
    connect(Text1, &InputBox::keyDown, this, &SingleKeyDrill::Text1_KeyDown);
    connect(Text1, &InputBox::keyPress, this, &SingleKeyDrill::Text1_KeyPress);
    connect(Text1, &InputBox::change, this, &SingleKeyDrill::Text1_Change);
}

void SingleKeyDrill::showArea(bool shown)
{
    area->setVisible(shown);
}

void SingleKeyDrill::FillCharacterLists(int kind)
{
    const Settings &settings = m_context.settings;
    const DrillChoices choices = kind == 0
        ? DrillChoices::letterDrills(settings.Letter)
        : DrillChoices::filesIn(m_context.programFolder.path(DrillFiles::characterFolder(settings.InputMeans)),
                                settings.Cword);
    if (DrillChooser::fill(Combo2, choices, m_context.prompter)) {
        Combo2_Click();
        return;
    }
    m_type1_text.clear();
    setTarget(QString());
}

void SingleKeyDrill::loadNumberCharacters()
{
    if (!loadPool(DrillFiles::chineseNumbers(), false))
        showNextTarget();
}

// The letter is read aloud once it shows: keys typed while the speaking face
// shows are judged against it, not against the letter before.
void SingleKeyDrill::showNextTarget()
{
    const QString target = ::open_type1(m_drillMode, m_letterSet, m_type1_text, m_context.random);
    setTarget(target);
    if (m_drillMode == DrillMode::Letters && Check1->isChecked())
        m_context.speak(target);
}

void SingleKeyDrill::Combo2_Click()
{
    Settings &settings = m_context.settings;
    const int entry = Combo2->currentIndex();
    if (m_drillMode == DrillMode::Letters) {
        m_letterSet = entry;
        showNextTarget();
        settings.Letter = qint16(entry);
    } else if (m_drillMode == DrillMode::Characters) {
        const QString name = Combo2->currentText();
        if (loadPool(DrillFiles::characterPool(settings.InputMeans, name), true))
            return; // the first entry was loaded in place of the empty pool
        showNextTarget();
        settings.Cword = DrillFiles::fileName(name);
    }
    Check1_Click();
}

bool SingleKeyDrill::loadPool(const QString &literal, bool fromChooser)
{
    const QString path = m_context.programFolder.path(literal);
    const std::optional<QString> pool = CharacterPool::load(path);
    m_type1_text = pool.value_or(QString());
    if (!pool) {
        m_context.prompter.inform(QStringLiteral("无法读取当前练习文件！"), QStringLiteral("提示"),
                                  Prompter::Icon::Information);
        return false;
    }
    if (m_type1_text.isEmpty()
        && DrillChooser::askToDeleteEmptyFile(path, fromChooser ? Combo2 : nullptr, m_context.prompter)) {
        Combo2->setCurrentIndex(0);
        Combo2_Click();
        return true;
    }
    return false;
}

// The change of Label2: the keyboard marks the new key, and the option boxes
// that are ticked run again so that the code hint follows the character.
void SingleKeyDrill::setTarget(const QString &target)
{
    Label2->setText(target);
    m_context.LUMOJP1->xzjp(target);
    if (Check1->isChecked())
        Check1_Click();
    emit targetChanged();
}

bool SingleKeyDrill::panelShown() const
{
    return DrillWidgets::isShown(m_Frame3);
}

void SingleKeyDrill::showCharacterHint(bool ticked)
{
    if (ticked) {
        QString found;
        const QString code = m_context.codeOf(Label2->text(), &found);
        Label4->setText(m_context.codeHint(code));
        Label4->show();
        m_context.wubi.WBZGDemand(WubiAids::Analysis::Wbzg2, found);
        if (m_context.isWubi())
            m_context.wubi.load_wbm(code);
    } else {
        Label4->hide();
        m_context.wubi.conceal_wbm();
    }
    m_context.showKeyboards(m_context.isWubi());
}

void SingleKeyDrill::Check1_Click()
{
    if (panelShown() && !DrillWidgets::isShown(m_Frame5)) {
        const qint16 value = Check1->isChecked() ? 1 : 0;
        if (m_drillMode == DrillMode::Letters) {
            m_context.showKeyboards(false);
            m_context.settings.EWordRecite = value;
        } else if (m_drillMode == DrillMode::Characters) {
            showCharacterHint(Check1->isChecked());
            m_context.settings.CWordCue = value;
        }
    }
    Text1->setFocus();
}

void SingleKeyDrill::Check8_Click()
{
    m_context.wubi.showAnalysis(WubiAids::Analysis::Wbzg2, Check8->isChecked());
    m_context.settings.CWbzgDemand = Check8->isChecked() ? 1 : 0;
    Text1->setFocus();
}

void SingleKeyDrill::Text1_KeyDown(int keyCode, int)
{
    const Settings &settings = m_context.settings;
    switch (SingleKeyInput::keyDown(keyCode, m_drillMode, settings.ReciteKey, settings.CueKey)) {
    case SingleKeyInput::KeyDown::SpeakTarget:
        m_context.speak(Label2->text());
        break;
    case SingleKeyInput::KeyDown::ShowCode: {
        QString found;
        const QString code = m_context.codeOf(Label2->text(), &found);
        Label4->show();
        Label4->setText(m_context.codeHint(code));
        m_context.wubi.WBZGDemand(WubiAids::Analysis::Wbzg2, found);
        if (m_context.isWubi())
            m_context.wubi.load_wbm(code);
        break;
    }
    case SingleKeyInput::KeyDown::None:
        break;
    }
    Text1->setFocus();
}

void SingleKeyDrill::Text1_KeyPress(int &code)
{
    m_context.exercise.startClock();
    DrillCounts counts = m_context.counts();
    const SingleKeyInput::Press press = SingleKeyInput::keyPress(char32_t(code), Label2->text(), counts);
    // Counted before the next letter is read aloud: the speaking face lets
    // the next keys in while it shows, and they count on from here.
    m_context.setCounts(counts);
    m_context.playKeySound(press.sound);
    if (press.emptyBox)
        Text1->clear();
    if (press.right) {
        showNextTarget();
        if (m_drillMode == DrillMode::Characters)
            showCodeAfterRightKey();
    }
}

void SingleKeyDrill::showCodeAfterRightKey()
{
    QString found;
    const QString code = m_context.codeOf(Label2->text(), &found);
    Label4->setVisible(Check1->isChecked());
    m_context.wubi.showAnalysis(WubiAids::Analysis::Wbzg2, Check8->isChecked());
    Label4->setText(m_context.codeHint(code));
    m_context.wubi.WBZGDemand(WubiAids::Analysis::Wbzg2, found);
}

// Every key has been judged in its key press: the box never keeps a text.
void SingleKeyDrill::Text1_Change()
{
    if (!Text1->text().isEmpty())
        Text1->clear();
}
