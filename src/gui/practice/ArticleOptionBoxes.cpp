// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/ArticleOptionBoxes.h"

#include "core/practice/OptionSetting.h"
#include "gui/practice/DrillWidgets.h"
#include "gui/practice/KeyboardArea.h"
#include "widgets/WubiKeyboard.h"

#include <QCheckBox>
#include <QFrame>

using Box = ArticleOptions::Box;

ArticleOptionBoxes::ArticleOptionBoxes(Settings &settings, KeyboardArea &keyboards, QFrame *Frame7,
                                       QFrame *Frame15, std::function<void()> SetTextFocus, QObject *parent)
    : QObject(parent),
      Check3(DrillWidgets::optionBox(QStringLiteral("Check3"), Frame7)),
      Check4(DrillWidgets::optionBox(QStringLiteral("Check4"), Frame7)),
      Check7(DrillWidgets::optionBox(QStringLiteral("Check7"), Frame15)),
      Check6(DrillWidgets::optionBox(QStringLiteral("Check6"), Frame15)),
      m_settings(settings), m_options(settings), m_Frame7(Frame7), m_Frame15(Frame15),
      m_SetTextFocus(std::move(SetTextFocus))
{
    for (const Box each : {Box::Check3, Box::Check4, Box::Check7, Box::Check6})
        connect(box(each), &QCheckBox::clicked, this, [this, each] { clicked(each); });
    connect(&m_options, &ArticleOptions::tickedChanged, this,
            [this](Box each, bool ticked) { box(each)->setChecked(ticked); });
    connect(&m_options, &ArticleOptions::keyboardWanted, this, [&keyboards](bool wubi) {
        keyboards.showWubi(wubi);
        if (wubi)
            keyboards.lumo_wbjp1->conceal_wbm();
    });
}

QCheckBox *ArticleOptionBoxes::box(Box box) const
{
    switch (box) {
    case Box::Check3: return Check3;
    case Box::Check4: return Check4;
    case Box::Check7: return Check7;
    case Box::Check6: return Check6;
    }
    return nullptr;
}

void ArticleOptionBoxes::open(Language language, bool abreast)
{
    m_options.open(language, abreast);
    for (const Box each : {Box::Check3, Box::Check4, Box::Check7, Box::Check6}) {
        box(each)->setText(m_options.caption(each));
        box(each)->adjustSize();
    }
}

void ArticleOptionBoxes::setFromSettings()
{
    const bool abreast = DrillWidgets::isShown(m_Frame15);
    const Box hints = abreast ? Box::Check7 : Box::Check3;
    const Box second = abreast ? Box::Check6 : Box::Check4;
    for (const Box each : {second, hints}) {
        const bool value = optionTicked(m_settings, m_options.setting(each));
        if (m_options.ticked(each) != value)
            m_options.setTicked(each, value);
    }
}

bool ArticleOptionBoxes::viewShown(Box box) const
{
    const bool abreast = box == Box::Check7 || box == Box::Check6;
    return abreast ? DrillWidgets::isShown(m_Frame15)
                   : DrillWidgets::isShown(m_Frame7) && !DrillWidgets::isShown(m_Frame15);
}

void ArticleOptionBoxes::clicked(Box each)
{
    if (viewShown(each))
        m_options.setTicked(each, box(each)->isChecked());
    else
        box(each)->setChecked(m_options.ticked(each));
    m_SetTextFocus();
}

void ArticleOptionBoxes::switchSpeechOptionsOff()
{
    for (const Box each : {Box::Check4, Box::Check6}) {
        if (m_options.ticked(each) && viewShown(each))
            m_options.setTicked(each, false);
    }
}
