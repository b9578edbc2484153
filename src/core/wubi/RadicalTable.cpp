// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalTable.h"

#include "core/platform/TextCodec.h"
#include "core/wubi/WubiResources.h"

#include <QFile>

namespace {

// A code string is never longer than four pairs; the limit also keeps a
// character looked up by mistake inside a code from reading on and on.
constexpr qsizetype MaxCodeLength = 10;

QString builtInText()
{
    QFile resource(WubiResources::path(u"radicals.txt"));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return TextCodec::decode(resource.readAll());
}

// The resource's terminating NUL, and anything a stray one would leave behind
// it, is no part of any entry.
QString withoutNulAndAfter(QString text)
{
    const qsizetype end = text.indexOf(QChar(u'\0'));
    if (end >= 0)
        text.truncate(end);
    return text;
}

} // namespace

const RadicalTable &RadicalTable::builtIn()
{
    static const RadicalTable table{BuiltIn{}};
    return table;
}

RadicalTable::RadicalTable(QString text)
    : m_text(withoutNulAndAfter(std::move(text)))
{
}

const QString &RadicalTable::text() const
{
    if (m_builtIn)
        std::call_once(m_read, [this] { m_text = withoutNulAndAfter(builtInText()); });
    return m_text;
}

QString RadicalTable::FindRadicalCode(QStringView character, bool secondOccurrence) const
{
    if (character.isEmpty())
        return {};
    const QStringView table(text());
    qsizetype at = table.indexOf(character);
    if (at < 0)
        return {};
    if (secondOccurrence) {
        const qsizetype next = table.indexOf(character, at + 1);
        if (next >= 0)
            at = next;
    }

    const qsizetype start = at + character.size();
    qsizetype end = start;
    while (end < table.size() && end - start < MaxCodeLength) {
        const char16_t c = table.at(end).unicode();
        if (c == u'\0' || c > 0x7f)
            break;
        ++end;
    }
    return table.sliced(start, end - start).toString();
}
