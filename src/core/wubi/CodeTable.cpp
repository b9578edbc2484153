// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/CodeTable.h"

#include "core/platform/AnsiCode.h"
#include "core/platform/TextCodec.h"
#include "core/settings/Settings.h"
#include "core/wubi/Characters.h"

#include <QDir>

namespace {

// The files of the four lists below the input method folder, in load order.
constexpr std::array<QStringView, 4> listFiles = {
    u"\\bm.txt",
    u"\\phrase\\二字词组.txt",
    u"\\phrase\\三字词组.txt",
    u"\\phrase\\四字词组.txt",
};

} // namespace

CodeTable::CodeTable(const ProgramFolder &programFolder, const Settings &settings)
    : m_programFolder(programFolder)
    , m_settings(settings)
{
}

bool CodeTable::LoadCodeTable(const QString &inputMeans, QString *error)
{
    if (isLoaded())
        return true;

    // An earlier load may have filled phrase lists under an empty character
    // list; starting afresh keeps a retry from piling up copies of them.
    m_lists = {};
    for (std::size_t list = 0; list < listFiles.size(); ++list) {
        const QString path = m_programFolder.path(QStringLiteral("\\chinese\\") + inputMeans
                                                  + listFiles[list].toString());
        QString reason;
        std::optional<QString> text = TextCodec::readFile(path, &reason);
        if (!text) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
            return false;
        }
        m_lists[list] = CodeList(*text, qsizetype(list) + 1);
    }
    return true;
}

bool CodeTable::ReloadCodeTable(const QString &inputMeans, QString *error)
{
    m_lists = {};
    return LoadCodeTable(inputMeans, error);
}

bool CodeTable::FindCode(const QString &text, QString &foundText, QString &code, QString *error)
{
    if (!isLoaded() && !LoadCodeTable(m_settings.InputMeans, error))
        return false;
    if (text.isEmpty())
        return true;
    // Checking the end units is enough: a character outside the Basic
    // Multilingual Plane ends in a surrogate, which is never double-byte.
    if (!AnsiCode::isDoubleByte(text.front()) || !AnsiCode::isDoubleByte(text.back())) {
        foundText.clear();
        return true;
    }
    const qsizetype length = Characters::count(text);
    if (length > qsizetype(m_lists.size()))
        return true;

    const CodeList &list = m_lists[length - 1];
    const qsizetype number = list.firstLineContaining(text);
    if (number < 0)
        return true;
    const QString line = list.line(number);
    foundText = text;
    code = line.mid(Characters::offsetAfter(line, length));
    return true;
}

bool CodeTable::isLoaded() const
{
    return !m_lists.front().isEmpty();
}

const CodeList &CodeTable::list(qsizetype textLength) const
{
    static const CodeList none;
    if (textLength < 1 || textLength > qsizetype(m_lists.size()))
        return none;
    return m_lists[textLength - 1];
}
