// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/SingleKeyDrill.h"

#include "core/material/CharacterPool.h"
#include "core/material/DrillDraw.h"
#include "core/material/DrillFiles.h"
#include "core/platform/Prompter.h"
#include "core/practice/DrillModel.h"
#include "core/settings/Settings.h"
#include "gui/practice/DrillChooser.h"
#include "gui/practice/DrillWidgets.h"
#include "gui/practice/KeyboardArea.h"
#include "widgets/InputBox.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/RadicalAnalysisStrip.h"
#include "widgets/WubiKeyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

SingleKeyDrill::SingleKeyDrill(DrillModel &model, DrillMaterial material, DrillVoice &voice,
                               KeyboardArea &keyboards, QFrame *Frame3, QFrame *Frame4, QFrame *Frame5,
                               QObject *parent)
    : QObject(parent),
      Label14(DrillWidgets::caption(QStringLiteral("Label14"), QStringLiteral("请选择练习内容："), Frame4)),
      Combo2(DrillWidgets::chooser(QStringLiteral("Combo2"), Frame4)),
      Check1(DrillWidgets::optionBox(QStringLiteral("Check1"), Frame4)),
      Check8(DrillWidgets::optionBox(QStringLiteral("Check8"), Frame4)),
      area(new QWidget(Frame3)),
      Label2(DrillWidgets::targetCharacter(area)),
      Label4(DrillWidgets::hintLabel(QStringLiteral("Label4"), area)),
      Wbzg2(DrillWidgets::analysisStrip(QStringLiteral("Wbzg2"), area)),
      Text1(DrillWidgets::inputBox(QStringLiteral("Text1"), area)),
      Lab_weakReason(new QLabel(area)),
      m_model(model), m_material(material), m_voice(voice), m_keyboards(keyboards), m_Frame3(Frame3),
      m_Frame5(Frame5)
{
    Check8->setText(QStringLiteral("智能分析"));
    Label14->setBuddy(Combo2);
    DrillWidgets::placeChooserRow(Label14, Combo2, Check1, Check8);
    DrillWidgets::placeTargetArea(area, Label2, Label4, Wbzg2, Text1, Frame5);
    Label4->hide();
    Wbzg2->hide();
    Lab_weakReason->setObjectName(QStringLiteral("Lab_weakReason"));
    Lab_weakReason->setAccessibleDescription(QStringLiteral("出题原因："));
    Lab_weakReason->setAlignment(Qt::AlignCenter);
    Lab_weakReason->hide();
    // Right under the target, so the reason reads with it.
    if (auto *column = qobject_cast<QVBoxLayout *>(area->layout()))
        column->insertWidget(1, Lab_weakReason, 0, Qt::AlignHCenter);

    connect(Combo2, &QComboBox::activated, this, &SingleKeyDrill::Combo2_Click);
    connect(Check1, &QCheckBox::clicked, this, &SingleKeyDrill::Check1_Click);
    connect(Check8, &QCheckBox::clicked, this, &SingleKeyDrill::Check8_Click);
    connect(Text1, &InputBox::keyDown, this, &SingleKeyDrill::Text1_KeyDown);
    connect(Text1, &InputBox::keyPress, this, &SingleKeyDrill::Text1_KeyPress);
    connect(Text1, &InputBox::change, this, &SingleKeyDrill::Text1_Change);
    connect(&m_model, &DrillModel::targetChanged, this, &SingleKeyDrill::showTarget);
    connect(&m_model, &DrillModel::nextTargetWanted, this, &SingleKeyDrill::showNextTarget);
}

void SingleKeyDrill::showArea(bool shown)
{
    area->setVisible(shown);
}

void SingleKeyDrill::FillCharacterLists(int kind)
{
    const Settings &settings = m_model.settings();
    const DrillChoices choices = kind == 0
        ? DrillChoices::letterDrills(settings.Letter)
        : DrillChoices::filesIn(m_material.programFolder.path(DrillFiles::characterFolder(settings.InputMeans)),
                                settings.Cword);
    if (DrillChooser::fill(Combo2, choices, m_material.prompter)) {
        Combo2_Click();
        return;
    }
    m_type1_text.clear();
    m_model.setTarget(QString());
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
    QString target;
    if (m_weakDraw) {
        const WeakItemDraw::Drawn drawn = m_weakDraw();
        target = drawn.target;
        Lab_weakReason->setText(drawn.reason);
    } else {
        target = ::open_type1(m_model.drillMode(), m_letterSet, m_type1_text, m_material.random);
    }
    m_model.setTarget(target);
    if (m_model.drillMode() == DrillMode::Letters && m_model.optionTicked())
        m_voice.speak(target);
}

void SingleKeyDrill::setWeakDraw(std::function<WeakItemDraw::Drawn()> draw)
{
    m_weakDraw = std::move(draw);
    Lab_weakReason->setVisible(bool(m_weakDraw));
    if (!m_weakDraw)
        Lab_weakReason->clear();
}

void SingleKeyDrill::Combo2_Click()
{
    Settings &settings = m_model.settings();
    const int entry = Combo2->currentIndex();
    if (m_model.drillMode() == DrillMode::Letters) {
        m_letterSet = entry;
        showNextTarget();
        settings.Letter = qint16(entry);
    } else if (m_model.drillMode() == DrillMode::Characters) {
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
    const QString path = m_material.programFolder.path(literal);
    const std::optional<QString> pool = CharacterPool::load(path);
    m_type1_text = pool.value_or(QString());
    if (!pool) {
        m_material.prompter.inform(QStringLiteral("无法读取当前练习文件！"), QStringLiteral("提示"),
                                   Prompter::Icon::Information);
        return false;
    }
    if (m_type1_text.isEmpty()
        && DrillChooser::askToDeleteEmptyFile(path, fromChooser ? Combo2 : nullptr, m_material.prompter)) {
        Combo2->setCurrentIndex(0);
        Combo2_Click();
        return true;
    }
    return false;
}

// A new target: the keyboard marks its key, and the hints follow it.
void SingleKeyDrill::showTarget()
{
    Label2->setText(m_model.target());
    m_keyboards.LUMOJP1->xzjp(m_model.target());
    if (chineseTarget())
        showHints(false);
    emit targetShown();
}

bool SingleKeyDrill::chineseTarget() const
{
    const DrillMode mode = m_model.drillMode();
    return mode == DrillMode::Characters || mode == DrillMode::NumberCharacters;
}

void SingleKeyDrill::showHints(bool codeAsked)
{
    const bool codeShown = codeAsked || m_model.optionTicked();
    const QString code = m_model.code();
    Label4->setText(m_model.codeHint(code));
    Label4->setVisible(codeShown);
    Wbzg2->setVisible(m_model.analysisEnabled() && m_model.analysisTicked());
    // The radical table knows characters the code lists may not.
    Wbzg2->WBZGDemand(m_model.target().trimmed());
    if (m_model.isWubi() && codeShown)
        m_keyboards.lumo_wbjp1->load_wbm(code);
    else
        m_keyboards.lumo_wbjp1->conceal_wbm();
}

void SingleKeyDrill::showCharacterHint()
{
    showHints(false);
    m_keyboards.showWubi(m_model.isWubi());
}

void SingleKeyDrill::Check1_Click()
{
    if (DrillWidgets::isShown(m_Frame3) && !DrillWidgets::isShown(m_Frame5)) {
        if (m_model.drillMode() == DrillMode::Letters) {
            m_model.setOptionTicked(Check1->isChecked());
            m_keyboards.showWubi(false);
        } else if (m_model.drillMode() == DrillMode::Characters) {
            m_model.setOptionTicked(Check1->isChecked());
            showCharacterHint();
        }
    }
    Text1->setFocus();
}

void SingleKeyDrill::Check8_Click()
{
    m_model.setAnalysisTicked(Check8->isChecked());
    Wbzg2->setVisible(Check8->isChecked());
    Text1->setFocus();
}

void SingleKeyDrill::Text1_KeyDown(int keyCode, int)
{
    switch (m_model.singleKeyDown(keyCode)) {
    case SingleKeyInput::KeyDown::SpeakTarget:
        m_voice.speak(m_model.target());
        break;
    case SingleKeyInput::KeyDown::ShowCode:
        showHints(true);
        break;
    case SingleKeyInput::KeyDown::None:
        break;
    }
    Text1->setFocus();
}

void SingleKeyDrill::Text1_KeyPress(int &code)
{
    const SingleKeyInput::Press press = m_model.singleKeyPress(char32_t(code));
    if (press.emptyBox)
        Text1->clear();
}

// Every key has been judged in its key press: the box never keeps a text.
void SingleKeyDrill::Text1_Change()
{
    if (!Text1->text().isEmpty())
        Text1->clear();
}
