// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleOptions.h"

#include "core/material/DrillEntry.h"
#include "core/settings/Settings.h"

ArticleOptions::ArticleOptions(Settings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
}

ArticleOptions::Box ArticleOptions::partnerOf(Box box)
{
    switch (box) {
    case Box::Check3: return Box::Check4;
    case Box::Check4: return Box::Check3;
    case Box::Check7: return Box::Check6;
    case Box::Check6: return Box::Check7;
    }
    return box;
}

void ArticleOptions::open(Language language, bool abreast)
{
    m_language = language;
    const Box hints = abreast ? Box::Check7 : Box::Check3;
    const Box second = partnerOf(hints);
    for (const Box box : {second, hints}) {
        m_ticked[std::size_t(box)] = optionTicked(m_settings, setting(box));
        emit tickedChanged(box, ticked(box));
    }
    setTicked(second, ticked(second));
    setTicked(hints, ticked(hints));
}

QString ArticleOptions::caption(Box box) const
{
    if (m_language == Language::English)
        return isHints(box) ? QStringLiteral("单词提示") : QStringLiteral("单词朗读");
    return isHints(box) ? QStringLiteral("智能选词") : QStringLiteral("编码提示");
}

OptionSetting ArticleOptions::setting(Box box) const
{
    if (m_language == Language::English)
        return isHints(box) ? OptionSetting::EWordCue : OptionSetting::EAutoRecite;
    return isHints(box) ? OptionSetting::CWordElect : OptionSetting::CAWordCue;
}

void ArticleOptions::setTicked(Box box, bool ticked)
{
    if (this->ticked(box) != ticked) {
        m_ticked[std::size_t(box)] = ticked;
        emit tickedChanged(box, ticked);
    }
    storeOption(m_settings, setting(box), ticked);
    const Box partner = partnerOf(box);

    if (m_language == Language::English) {
        if (isHints(box)) {
            emit meaningListWanted();
            // No speaking without hints.
            if (!ticked && this->ticked(partner))
                setTicked(partner, false);
        } else if (ticked && !this->ticked(partner)) {
            // Speaking needs the hints.
            setTicked(partner, true);
        }
        return;
    }
    if (isHints(box)) {
        emit codeTableWanted();
        return;
    }
    // The abreast view covers the keyboards; only the normal view picks one.
    if (box == Box::Check4)
        emit keyboardWanted(ticked && m_settings.InputMeans == WubiInputMeans);
}
