// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextNumbers.h"

#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <limits>

using FuzzSupport::require;

namespace {

bool plainDecimal(const QString &text)
{
    qsizetype at = text.startsWith(u'-') ? 1 : 0;
    if (at >= text.size() || !text.at(at).isDigit())
        return false;
    const qsizetype point = text.indexOf(u'.');
    for (qsizetype i = at; i < text.size(); ++i) {
        if (i != point && !(text.at(i) >= u'0' && text.at(i) <= u'9'))
            return false;
    }
    return point < 0 || (point < text.size() - 1 && !text.endsWith(u'0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const double value = input.ConsumeFloatingPoint<double>();
    const int whole = input.ConsumeIntegral<int>();
    const int hours = input.ConsumeIntegralInRange(0, 1000);
    const int minutes = input.ConsumeIntegralInRange(0, 59);
    const int seconds = input.ConsumeIntegralInRange(0, 59);
    const std::string rest = input.ConsumeRemainingBytesAsString();

    // Any text at all reads as some number, without a fault.
    const QString text = QString::fromUtf8(rest);
    TextNumbers::toInt16(text);
    TextNumbers::toInt32(text);
    const QString latin = QString::fromLatin1(rest);
    TextNumbers::toInt16(latin);
    TextNumbers::toInt32(latin);

    require(TextNumbers::toInt32(QString::number(whole)) == whole, "a whole number reads back");
    require(TextNumbers::toInt32(QStringLiteral("  %1 ").arg(whole)) == whole, "spaces around a number are allowed");
    const qint16 shortWhole = qint16(whole);
    require(TextNumbers::toInt16(QString::number(shortWhole)) == shortWhole, "a 16-bit number reads back");
    if (whole > std::numeric_limits<qint16>::max() || whole < std::numeric_limits<qint16>::min())
        require(TextNumbers::toInt16(QString::number(whole)) == 0, "a number beyond 16 bits reads as 0");

    // Near the largest double, 15 digits round up beyond it; no figure of
    // the program comes anywhere near.
    if (std::isfinite(value) && std::fabs(value) < 1e300) {
        const QString shown = TextNumbers::numberText(value);
        require(plainDecimal(shown), "a number text is plain decimal without trailing zeros");
        const double back = shown.toDouble();
        require(std::fabs(back - value) <= std::fabs(value) * 1e-14, "a number text keeps 15 digits");
        if (std::fabs(value) < 2e9) {
            // The text's own value, rounded: 1.4999999999999998 shows as 1.5.
            const double rounded = std::nearbyint(back);
            const qint32 expected = rounded >= std::numeric_limits<qint32>::min()
                                            && rounded <= std::numeric_limits<qint32>::max()
                                        ? qint32(rounded)
                                        : 0;
            require(TextNumbers::toInt32(shown) == expected, "a number text reads back rounded");
        }
        require(TextNumbers::speedText(value).size() <= 3, "the speed label shows at most 3 characters");
        const QString accuracy = TextNumbers::accuracyText(value);
        require(accuracy.size() <= 6 && accuracy.endsWith(u'%'), "the accuracy label shows at most 5 and %");
    } else {
        TextNumbers::numberText(value);
        TextNumbers::speedText(value);
        TextNumbers::accuracyText(value);
    }

    const QStringList clock = TextNumbers::clockText(hours, minutes, seconds).split(u':');
    require(clock.size() == 3, "a clock text has three parts");
    const int parts[] = {hours, minutes, seconds};
    for (int i = 0; i < 3; ++i)
        require(clock.at(i).size() >= 2 && clock.at(i).toInt() == parts[i], "each clock part shows its number");
    return 0;
}
