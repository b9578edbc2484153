// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/AnsiCode.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include "FuzzSupport.h"

#include <QDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

using FuzzSupport::require;

namespace {

const QString inputMeans = QStringLiteral("五笔");

// The positions after each character, surrogate pairs counting as one.
QList<qsizetype> characterEnds(const QString &text)
{
    QList<qsizetype> ends;
    for (qsizetype at = 0; at < text.size();) {
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate() ? 2 : 1;
        ends.append(at);
    }
    return ends;
}

struct Found
{
    QString text = QStringLiteral("<unchanged>");
    QString code = QStringLiteral("<unchanged>");
    bool operator==(const Found &) const = default;
};

// FindCode as its contract reads, by a scan of the lines from the top.
Found scanFor(const CodeTable &table, const QString &text)
{
    Found found;
    if (text.isEmpty())
        return found;
    if (!AnsiCode::isDoubleByte(text.front()) || !AnsiCode::isDoubleByte(text.back())) {
        found.text.clear();
        return found;
    }
    const qsizetype length = characterEnds(text).size();
    if (length > 4)
        return found;
    for (const QString &line : table.list(length).lines()) {
        if (line.contains(text)) {
            const QList<qsizetype> ends = characterEnds(line);
            found.text = text;
            found.code = line.mid(ends.size() >= length ? ends.at(length - 1) : line.size());
            return found;
        }
    }
    return found;
}

} // namespace

// The four code files of an input method, each cut from the input, and
// lookups of runs of their own lines (which mostly hit) and of free text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString program = FuzzSupport::scratchFolder();
    const QString folder = program + QStringLiteral("/chinese/") + inputMeans;
    static const bool made = QDir().mkpath(folder + QStringLiteral("/phrase"));
    require(made, "the fuzzer can make its program folder");
    const std::array<QString, 4> files = {QStringLiteral("/bm.txt"), QStringLiteral("/phrase/二字词组.txt"),
                                          QStringLiteral("/phrase/三字词组.txt"),
                                          QStringLiteral("/phrase/四字词组.txt")};
    for (const QString &file : files) {
        const std::string bytes = input.ConsumeRandomLengthString(2000);
        FuzzSupport::writeFile(folder + file, QByteArray(bytes.data(), qsizetype(bytes.size())));
    }

    Settings settings;
    settings.InputMeans = inputMeans;
    CodeTable table(ProgramFolder(program), settings);
    require(table.LoadCodeTable(inputMeans), "code files that are there load");

    for (int lookup = 0; lookup < 8 && input.remaining_bytes() > 0; ++lookup) {
        QString text;
        if (input.ConsumeBool()) {
            const int length = input.ConsumeIntegralInRange(1, 4);
            const QStringList lines = table.list(length).lines();
            if (lines.isEmpty())
                continue;
            const QString &line = lines.at(input.ConsumeIntegralInRange<qsizetype>(0, lines.size() - 1));
            const qsizetype start = input.ConsumeIntegralInRange<qsizetype>(0, line.size());
            text = line.mid(start, input.ConsumeIntegralInRange(1, 8));
        } else {
            const std::string bytes = input.ConsumeRandomLengthString(16);
            text = QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
        }
        Found found;
        QString error;
        require(table.FindCode(text, found.text, found.code, &error), "a loaded table answers");
        require(found == scanFor(table, text), "FindCode finds what a scan from the top finds");
    }
    return 0;
}
