// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Numbers as the program reads them from text and shows them in labels.
namespace TextNumbers {

// A number read from text (spaces around it allowed), rounded to the nearest
// integer with halves to even ("2.5" is 2, "3.5" is 4). A text that is not a
// number, or a number outside the type's range, reads as 0.
qint16 toInt16(QStringView text);
qint32 toInt32(QStringView text);

// Plain decimal notation with up to 15 significant digits, "." as the decimal
// point and no trailing zeros: 42.8571428571429, 45, 0.5.
QString numberText(double value);

// The speed label: the first 3 characters of the number text (45.6 shows
// "45.", 1234 shows "123").
QString speedText(double charactersPerMinute);

// The accuracy label: the first 5 characters of the number text and "%"
// (2/3 shows "66.66%", 100 shows "100%").
QString accuracyText(double percent);

// Hours, minutes and seconds, each at least two digits, joined with ":"
// ("00:05:09"; 100 hours show as "100:00:00").
QString clockText(int hours, int minutes, int seconds);

} // namespace TextNumbers
