// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/DrillPanel.h"

#include "core/adaptive/KeystrokeHistory.h"
#include "core/adaptive/WeakDrillPool.h"
#include "core/material/CharacterPool.h"
#include "core/material/DrillChoices.h"
#include "core/material/DrillFiles.h"
#include "core/practice/DrillModel.h"
#include "core/wubi/RadicalTable.h"
#include "core/settings/Settings.h"
#include "core/sound/KeySoundSwitch.h"
#include "gui/practice/DrillWidgets.h"
#include "gui/practice/KeyboardArea.h"
#include "gui/practice/SingleKeyDrill.h"
#include "gui/practice/WordDrill.h"
#include "widgets/InputBox.h"
#include "widgets/KorvelButton.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/RadicalAnalysisStrip.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

DrillPanel::DrillPanel(Settings &settings, Exercise &exercise, CodeTable &codeTable, DrillMaterial material,
                       DrillVoice &voice, KeySoundSwitch &keySounds, KeyboardArea &keyboards, QFrame *Frame3,
                       QFrame *Frame4, QFrame *Frame5, QFrame *Frame6, QObject *parent)
    : QObject(parent), Check5(DrillWidgets::optionBox(QStringLiteral("Check5"), Frame3)),
      m_model(new DrillModel(settings, exercise, codeTable, this)), m_material(material),
      m_characterParts(RadicalTable::builtIn()), m_keyboards(keyboards), m_Frame3(Frame3),
      m_Frame4(Frame4), m_Frame5(Frame5), m_Frame6(Frame6),
      m_singleKey(new SingleKeyDrill(*m_model, material, voice, keyboards, Frame3, Frame4, Frame5, this)),
      m_word(new WordDrill(*m_model, material, voice, keyboards, Frame5, Frame6, Check5, this))
{
    // The numbers drills show no chooser: their box takes the chooser's place.
    Check5->move(Frame4->geometry().topLeft() + QPoint(12, 10));
    Check5->hide();
    Frame5->raise();
    connect(Check5, &QCheckBox::clicked, this, &DrillPanel::Check5_Click);
    connect(m_singleKey, &SingleKeyDrill::targetShown, this, [this] {
        if (Check5->isChecked())
            Check5_Click();
    });
    connect(m_model, &DrillModel::keySound, this, [&keySounds](KeySound sound) { keySounds.play(sound); });
}

DrillPanel::~DrillPanel() = default;

void DrillPanel::openDrill(DrillEntry::Id id)
{
    const DrillEntry &entry = DrillEntry::entry(id);
    const Settings &settings = m_model->settings();
    m_model->open(id);
    // The key marked by the drill before would stay lit over a Chinese
    // character, which has no key of its own.
    m_keyboards.LUMOJP1->conceal();

    m_Frame4->setVisible(entry.showFrame4);
    m_Frame5->setVisible(entry.showFrame5);
    m_Frame6->setVisible(entry.showFrame6);
    m_word->KorvelButton4->setVisible(entry.showKorvelButton4);
    m_singleKey->showArea(entry.singleKey);
    m_singleKey->Label4->hide();
    Check5->setVisible(entry.option == DrillEntry::Option::Check5);
    m_keyboards.showWubi(entry.showsWubiKeyboard(settings.InputMeans));
    setAnalysis(entry);

    const QString caption = entry.optionCaption(settings.InputMeans);
    const bool ticked = m_model->optionTicked();
    if (!entry.weak)
        m_singleKey->setWeakDraw({});
    switch (entry.option) {
    case DrillEntry::Option::Check1:
        setOption(m_singleKey->Check1, caption, ticked);
        break;
    case DrillEntry::Option::Check2:
        setOption(m_word->Check2, caption, ticked);
        break;
    case DrillEntry::Option::Check5:
        setOption(Check5, caption, ticked);
        break;
    case DrillEntry::Option::None:
        break;
    }

    switch (id) {
    case DrillEntry::Id::Letters:
        m_singleKey->FillCharacterLists(0);
        break;
    case DrillEntry::Id::Characters:
        m_singleKey->FillCharacterLists(1);
        break;
    case DrillEntry::Id::Words:
    case DrillEntry::Id::Phrases:
        m_word->FillWordLists(entry.wordDrillKind);
        break;
    case DrillEntry::Id::NumberWords:
        m_word->read_text(entry.wordDrillKind);
        break;
    case DrillEntry::Id::NumberCharacters:
        m_singleKey->loadNumberCharacters();
        break;
    case DrillEntry::Id::Digits:
        m_singleKey->showNextTarget();
        break;
    case DrillEntry::Id::WeakKeys:
    case DrillEntry::Id::WeakCharacters:
    case DrillEntry::Id::WeakRadicals:
    case DrillEntry::Id::WeakShortCodes:
        openWeakDrill(*WeakDrillPool::kindOf(id));
        break;
    }
    if (entry.singleKey)
        m_singleKey->Text1->setFocus();
    else
        m_word->Text2->setFocus();
}

void DrillPanel::setHistory(KeystrokeHistory *history, std::function<qint64()> nowMs)
{
    m_history = history;
    m_nowMs = std::move(nowMs);
}

// The model is built once per opening, not per key: a drill of a few minutes
// changes the weaknesses little, and reading the history takes time.
void DrillPanel::openWeakDrill(WeakItemKind kind)
{
    constexpr qint64 detailDays = 90;
    const qint64 now = m_nowMs ? m_nowMs() : 0;
    const QList<Keystroke> history =
        m_history ? m_history->detail(now - detailDays * 24 * 60 * 60 * 1000) : QList<Keystroke>();
    m_weaknessModel = WeaknessModel::build(history, now, &m_characterParts);

    // The characters come from the pool the character drill would select;
    // without one, from the radical table.
    QString pool;
    if (kind != WeakItemKind::Key) {
        const Settings &settings = m_model->settings();
        const DrillChoices choices = DrillChoices::filesIn(
            m_material.programFolder.path(DrillFiles::characterFolder(settings.InputMeans)), settings.Cword);
        if (choices.selected >= 0) {
            const QString name = choices.names.at(choices.selected);
            pool = CharacterPool::load(
                       m_material.programFolder.path(DrillFiles::characterPool(settings.InputMeans, name)))
                       .value_or(QString());
        }
        if (pool.isEmpty())
            pool = m_characterParts.characters().join(QString());
    }
    m_weakDraw = WeakDrillPool::drawFor(kind, pool, history, m_characterParts);
    m_singleKey->setWeakDraw([this] { return m_weakDraw->draw(m_weaknessModel, m_material.random); });
    m_singleKey->showNextTarget();
}

// A box set from code runs its click logic, as a click would, whether or not
// its value changed: the set-up relies on it to show the right hints and
// keyboard.
void DrillPanel::setOption(QCheckBox *box, const QString &caption, bool ticked)
{
    box->setText(caption);
    box->adjustSize();
    box->setChecked(ticked);
    runClick(box);
}

void DrillPanel::runClick(QCheckBox *box)
{
    if (box == m_singleKey->Check1)
        m_singleKey->Check1_Click();
    else if (box == m_word->Check2)
        m_word->Check2_Click();
    else if (box == Check5)
        Check5_Click();
    else if (box == m_singleKey->Check8)
        m_singleKey->Check8_Click();
    else if (box == m_word->Check9)
        m_word->Check9_Click();
}

// The radical analysis is offered only to the Chinese character and phrase
// drills with the input method "五笔".
void DrillPanel::setAnalysis(const DrillEntry &entry)
{
    m_singleKey->Wbzg2->hide();
    m_word->Wbzg1->hide();
    if (entry.analysis == DrillEntry::Analysis::None)
        return;
    QCheckBox *box = entry.analysis == DrillEntry::Analysis::Phrase ? m_word->Check9 : m_singleKey->Check8;
    const bool enabled = m_model->analysisEnabled();
    box->setEnabled(enabled);
    if (enabled)
        setOption(box, box->text(), m_model->analysisTicked());
}

// Check5 belongs to the numbers drills; while it is hidden (the digits, or
// any other drill) a ticked box must not bring up a code hint.
void DrillPanel::Check5_Click()
{
    if (!DrillWidgets::isShown(m_Frame3) || DrillWidgets::isShown(m_Frame4) || !DrillWidgets::isShown(Check5))
        return;
    m_model->setOptionTicked(Check5->isChecked());
    if (DrillWidgets::isShown(m_Frame5)) {
        m_word->Text2->setFocus();
        return;
    }
    m_singleKey->showCharacterHint();
    m_singleKey->Text1->setFocus();
}

void DrillPanel::switchSpeechOptionsOff()
{
    for (QCheckBox *box : { m_singleKey->Check1, m_word->Check2, Check5 }) {
        if (box->isChecked()) {
            box->setChecked(false);
            runClick(box);
        }
    }
}
