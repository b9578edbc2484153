// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleSelection.h"

#include "core/material/LanguageTest.h"
#include "core/material/RandomSource.h"

namespace {

// Characters as the user sees them: a character outside the Basic
// Multilingual Plane (GB18030 can hold some) is one, not two halves.
int characterCount(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            ++count;
    }
    return count;
}

// Where the n-th character (from 0) begins.
qsizetype indexOfCharacter(QStringView text, int n)
{
    qsizetype i = 0;
    for (; i < text.size() && n > 0; --n) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                          && text.at(i + 1).isLowSurrogate();
        i += pair ? 2 : 1;
    }
    return i;
}

bool isZero(const ArticleSelection::Countdown &time)
{
    return time.hours == 0 && time.minutes == 0 && time.seconds == 0;
}

} // namespace

ArticleSelection::ArticleSelection(ArticleTree tree)
    : m_tree(std::move(tree))
{
}

ArticleSelection::Preview ArticleSelection::preview(int category, int article)
{
    const ArticleTree::Article *node = m_tree.article(category, article);
    if (!node)
        return Preview::Ignored;
    const ArticleFile file = ArticleFile::read(node->path);
    switch (file.status) {
    case ArticleFile::Status::Read:
        break;
    case ArticleFile::Status::Damaged:
        return Preview::Damaged;
    case ArticleFile::Status::Unreadable:
        return Preview::Unreadable;
    }
    m_previewed = file;
    m_title = node->title;
    return Preview::Shown;
}

QString ArticleSelection::previewCaption() const
{
    const QString caption = QStringLiteral("文章预览：");
    if (!m_previewed)
        return caption;
    return caption + QStringLiteral("(共") + QString::number(characterCount(m_previewed->text))
           + QStringLiteral("字)");
}

bool ArticleSelection::isOkEnabled() const
{
    return m_previewed && !m_previewed->text.isEmpty();
}

void ArticleSelection::setCountdownTicked(bool ticked)
{
    m_countdownTicked = ticked;
    if (ticked)
        m_countdown.minutes = 10;
    else
        m_countdown = Countdown();
}

ArticleSelection::Accepted ArticleSelection::accept(RandomSource &random) const
{
    Accepted accepted;
    if (!isOkEnabled())
        return accepted;
    if (m_countdownTicked && isZero(m_countdown)) {
        accepted.outcome = Accepted::Outcome::ZeroCountdown;
        return accepted;
    }

    const QString &whole = m_previewed->text;
    Start &start = accepted.start;
    start.practisedText = whole;
    if (m_randomPosition) {
        const int from = random.below(characterCount(whole));
        start.practisedText = whole.mid(indexOfCharacter(whole, from));
    }
    start.title = m_title;
    start.language = LanguageTest::languageOf(whole, random);
    if (m_countdownTicked)
        start.countdown = m_countdown;
    accepted.outcome = Accepted::Outcome::Start;
    return accepted;
}
