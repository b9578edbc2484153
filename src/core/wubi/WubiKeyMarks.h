// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QChar>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <array>

// The four numbered dots of the Wubi key map, as positions in twips. A code's
// letters are placed as dots 1 to 4 at their keys' anchors (see
// WubiKeyLayout); a letter that occurs again in the code moves its dot up
// and/or left so that every dot stays visible on the same key. A letter
// without an anchor (z, digits, anything else) leaves its dot where it was.
class WubiKeyMarks
{
public:
    static constexpr int DotCount = 4;
    // Where hidden circles and labels stand: below the keys, out of sight.
    static constexpr int HiddenTop = 2790;
    // The digit's label stands this far right of and below its circle's
    // left and top edges.
    static constexpr int LabelLeft = 80;
    static constexpr int LabelTop = 30;

    struct Dot
    {
        QPoint circle; // the circle's left and top, in twips
        QPoint label;  // the digit label's left and top, in twips
        bool visible = false; // placed on a key since the dots were last hidden
        QChar key;     // the lower-case letter of the key it stands on, while visible

        bool operator==(const Dot &) const = default;
    };

    // All four dots start hidden.
    WubiKeyMarks();

    // Shows the first four characters of code (key letters in either case) as
    // dots 1 to 4; the other dots stay hidden. The count of repeated letters
    // starts afresh with every code.
    void load_wbm(QStringView code);

    // Hides all four dots: circles and labels move to the hidden top.
    void conceal_wbm();

    // Places dot index (1 to 4) on letter's key, moved up and/or left by the
    // number of times letter was placed before since the last load_wbm: once
    // up, twice up and left, three times left, more often not at all. A
    // letter without an anchor leaves the circle where it was and puts the
    // label beside it. Other indexes change nothing.
    void zmwz(QStringView letter, int index);

    // Dot index, 1 to 4.
    const Dot &dot(int index) const;

    // The visible dots for a screen reader, in order: "1 K 2 H 3 L 4 G", each
    // dot's number and its key's upper-case letter; "未标出字根键" while
    // none is visible.
    QString description() const;

    bool operator==(const WubiKeyMarks &) const = default;

private:
    std::array<Dot, DotCount> m_dots;
    QString m_placed; // the letters placed so far in the current load_wbm
};
