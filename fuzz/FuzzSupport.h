// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/TextCodec.h"
#include "core/settings/IniDocument.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// What every fuzzer shares: properties checked in every build type, and a
// scratch folder for the files a fuzzer writes.
namespace FuzzSupport {

// A property of the code under test that every input must keep. A broken one
// ends the run like a crash, so libFuzzer keeps the input that broke it.
inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

// A folder of its own for this process, removed when the process ends
// normally.
inline QString scratchFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/qintara-fuzz-XXXXXX"));
    return folder.path();
}

// Writes bytes to a file, replacing it; the fuzzer's own set-up, so a
// failure ends the run.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the fuzzer can write its scratch files");
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether an INI value is read back exactly as it was set, by the documented
// rules: GBK holds it, it fits the read limit, and it has no line break, NUL,
// blanks at either end or quotes around it (which reading removes).
inline bool readsBackUnchanged(const QString &value)
{
    if (value.isEmpty())
        return true;
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    const QByteArray gbk = TextCodec::encode(value);
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
                        && value.back() == value.front();
    return TextCodec::decode(gbk) == value && gbk.size() <= IniDocument::MaxReadBytes
           && value.size() <= IniDocument::MaxWriteCharacters && !value.contains(QChar(0))
           && !value.contains(u'\r') && !value.contains(u'\n') && !blank(value.front())
           && !blank(value.back()) && !quoted;
}

} // namespace FuzzSupport
