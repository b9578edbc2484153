// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/RecentArticle.h"

#include "core/material/ArticleFile.h"
#include "core/material/LanguageTest.h"
#include "core/settings/Settings.h"

#include <QFileInfo>

RecentArticle RecentArticle::decide(const QString &storedPath, qint32 storedPlace,
                                    RandomSource &random)
{
    RecentArticle recent;
    if (storedPath.isEmpty() || !QFileInfo(storedPath).isFile())
        return recent;

    recent.path = storedPath;
    const ArticleText text = ArticleText::read(storedPath);
    recent.status = text.status;
    if (text.status != ArticleText::Status::Read) {
        recent.action = Action::Refused;
        return recent;
    }

    recent.action = Action::Start;
    // An article typed to its end stores the place after its last character;
    // going on from there would give nothing to type.
    recent.resumed = storedPlace >= 1 && storedPlace <= text.text.size();
    recent.practisedText = recent.resumed ? text.text.mid(storedPlace - 1) : text.text;
    recent.language = LanguageTest::languageOf(recent.practisedText, random);
    return recent;
}

RecentArticle RecentArticle::decide(Language menu, const Settings &settings, RandomSource &random)
{
    return menu == Language::English ? decide(settings.Earticle, settings.Eplace, random)
                                     : decide(settings.Carticle, settings.Cplace, random);
}

std::optional<Language> RecentArticle::ofToolbarButton(int button)
{
    switch (button) {
    case 0:
        return Language::English;
    case 1:
        return Language::Chinese;
    default:
        return std::nullopt;
    }
}

QString RecentArticle::message() const
{
    return action == Action::Refused ? ArticleText::messageFor(status) : QString();
}
