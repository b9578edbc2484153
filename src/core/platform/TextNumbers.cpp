// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextNumbers.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

template <typename Int>
Int roundedInteger(QStringView text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return 0;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return 0;
    return static_cast<Int>(rounded);
}

// "d.ddde±x" from QString::number(v, 'g') written out without the exponent.
QString withoutExponent(const QString &scientific)
{
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString mantissa = scientific.left(e);
    const int exponent = scientific.mid(e + 1).toInt();
    QString sign;
    if (mantissa.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        mantissa.remove(0, 1);
    }
    const QString digits = QString(mantissa).remove(QLatin1Char('.'));
    QString integerPart;
    QString fraction;
    if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        integerPart = digits.left(integerDigits).leftJustified(integerDigits, QLatin1Char('0'));
        fraction = digits.mid(integerDigits);
    } else {
        integerPart = QStringLiteral("0");
        fraction = QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return sign + integerPart + (fraction.isEmpty() ? QString() : QLatin1Char('.') + fraction);
}

} // namespace

namespace TextNumbers {

qint16 toInt16(QStringView text)
{
    return roundedInteger<qint16>(text);
}

qint32 toInt32(QStringView text)
{
    return roundedInteger<qint32>(text);
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    const QString text = QString::number(value, 'g', 15);
    return text.contains(QLatin1Char('e')) ? withoutExponent(text) : text;
}

QString speedText(double charactersPerMinute)
{
    return numberText(charactersPerMinute).left(3);
}

QString accuracyText(double percent)
{
    return numberText(percent).left(5) + QLatin1Char('%');
}

QString clockText(int hours, int minutes, int seconds)
{
    const auto part = [](int value) {
        return value < 10 && value >= 0 ? QStringLiteral("0%1").arg(value) : QString::number(value);
    };
    return part(hours) + QLatin1Char(':') + part(minutes) + QLatin1Char(':') + part(seconds);
}

} // namespace TextNumbers
