// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ChinesePunctuation.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<char16_t, const char16_t *>, 19> Marks{{
    {u',', u"，"}, {u'.', u"。"}, {u';', u"；"}, {u':', u"："}, {u'?', u"？"},
    {u'!', u"！"}, {u'\\', u"、"}, {u'(', u"（"}, {u')', u"）"}, {u'[', u"【"},
    {u']', u"】"}, {u'{', u"｛"}, {u'}', u"｝"}, {u'<', u"《"}, {u'>', u"》"},
    {u'^', u"……"}, {u'_', u"——"}, {u'~', u"～"}, {u'$', u"￥"},
}};

} // namespace

QString ChinesePunctuation::of(QChar key)
{
    const char16_t code = key.unicode();
    if (m_afterDigit && (code == u'.' || code == u',')) {
        m_afterDigit = false;
        return {};
    }
    m_afterDigit = false;
    if (code == u'"') {
        m_doubleOpen = !m_doubleOpen;
        return m_doubleOpen ? QStringLiteral("“") : QStringLiteral("”");
    }
    if (code == u'\'') {
        m_singleOpen = !m_singleOpen;
        return m_singleOpen ? QStringLiteral("‘") : QStringLiteral("’");
    }
    for (const auto &[ascii, chinese] : Marks) {
        if (ascii == code)
            return QString::fromUtf16(chinese);
    }
    return {};
}
