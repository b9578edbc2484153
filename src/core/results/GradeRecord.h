// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// One result of an article exercise as the result files keep it: 30 bytes,
// no padding between the fields.
//
//   offset  size  field          stored as
//        0     8  Date           text, "yy-mm-dd"
//        8     8  PracticeTime   text, "hh:mm:ss"
//       16     2  InputCount     signed 16-bit, little-endian
//       18     2  AverageSpeed   signed 16-bit, little-endian
//       20     2  CorrectCount   signed 16-bit, little-endian
//       22     2  WrongCount     signed 16-bit, little-endian
//       24     6  Accuracy       text, "98.76%" or "100%  "
//
// Texts are GBK, left-aligned and padded with spaces to the field's width.
// The text fields in memory hold the same characters as the file, padding
// included, once they went through fieldText().
struct GradeRecord
{
    static constexpr int Size = 30;
    static constexpr int DateWidth = 8;
    static constexpr int PracticeTimeWidth = 8;
    static constexpr int AccuracyWidth = 6;

    QString Date;
    QString PracticeTime;
    qint16 InputCount = 0;
    qint16 AverageSpeed = 0;
    qint16 CorrectCount = 0;
    qint16 WrongCount = 0;
    QString Accuracy;

    bool operator==(const GradeRecord &) const = default;

    // The record's 30 bytes. A text longer than its field is cut at the
    // field's width, but never inside a double-byte character: one that does
    // not fit whole leaves a space instead.
    QByteArray encode() const;

    // A record from its bytes, field by field. A record cut off by the end of
    // a damaged file has fewer than 30 bytes: the missing ones count as zero
    // bytes, and zero bytes at the end of a text field are dropped. Bytes
    // beyond the 30th are ignored.
    static GradeRecord decode(QByteArrayView bytes);

    // The text as a field of the given width holds it: cut and padded as
    // encode() does ("100%" in the accuracy field is "100%  ").
    static QString fieldText(QStringView text, int width);

    // A figure of the statistics bar ("240", "45.") as a 16-bit field: the
    // number rounded to the nearest integer, halves to even. Figures beyond
    // the 16-bit range are stored as its limit, 32767 (or -32768), so that a
    // very long exercise still gives a valid record; a text that is not a
    // number gives 0.
    static qint16 figure(QStringView text);
};
