// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/results/GradeRecord.h"
#include "core/results/ResultFile.h"

#include "FuzzSupport.h"

#include <QFileInfo>

#include <algorithm>

#include <fuzzer/FuzzedDataProvider.h>

using FuzzSupport::require;

// A result file as found on disk (any length, any bytes), read, and a record
// made of fuzzed fields appended to it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    GradeRecord added;
    added.Date = QString::fromUtf8(input.ConsumeRandomLengthString(12));
    added.PracticeTime = TextCodec::decode(input.ConsumeRandomLengthString(12));
    added.InputCount = GradeRecord::figure(QString::fromUtf8(input.ConsumeRandomLengthString(12)));
    added.AverageSpeed = input.ConsumeIntegral<qint16>();
    added.CorrectCount = input.ConsumeIntegral<qint16>();
    added.WrongCount = input.ConsumeIntegral<qint16>();
    added.Accuracy = QString::fromUtf8(input.ConsumeRandomLengthString(10));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray file(rest.data(), qsizetype(rest.size()));

    // A record's bytes: decoding and encoding settle after one round.
    const GradeRecord decoded = GradeRecord::decode(file);
    const QByteArray encoded = decoded.encode();
    require(encoded.size() == GradeRecord::Size, "a record is 30 bytes");
    const GradeRecord settled = GradeRecord::decode(encoded);
    require(settled.encode() == encoded && GradeRecord::decode(settled.encode()) == settled,
            "a record written and read back stays as it is");
    const QByteArray addedBytes = added.encode();
    require(addedBytes.size() == GradeRecord::Size, "a record of any fields is 30 bytes");
    require(TextCodec::encode(GradeRecord::fieldText(added.Date, GradeRecord::DateWidth)).size()
                == GradeRecord::DateWidth,
            "a field text fills its field");

    const QString path = FuzzSupport::scratchFolder() + QStringLiteral("/Egrade.dat");
    FuzzSupport::writeFile(path, file);
    const ResultFile results(path);
    const std::optional<qint64> count = results.count();
    require(count == ResultFile::recordCount(file.size()), "the count follows the file length");
    const std::optional<QList<GradeRecord>> before = results.readAll();
    require(before && before->size() == *count, "every counted record is read");
    if (!before->isEmpty())
        require(before->first() == GradeRecord::decode(file), "the first record is the file's first 30 bytes");
    const std::optional<QList<GradeRecord>> some = results.read(2, 3);
    require(some && some->size() == std::clamp<qint64>(*count - 1, 0, 3), "a range reads as many as are there");

    const std::optional<qint64> number = results.append(added);
    require(number == *count + 1, "an appended record comes after the counted ones");
    require(QFileInfo(path).size() == *number * GradeRecord::Size, "appending leaves whole records");
    const std::optional<QList<GradeRecord>> after = results.readAll();
    require(after && after->size() == *number, "the appended record is counted");
    require(after->first(*count) == *before, "appending leaves the earlier records as they read");
    require(after->last() == GradeRecord::decode(addedBytes), "the appended record reads back");
    return 0;
}
