// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>

// The Wubi key map of the radical keyboard: three rows of keys, Q to P; A to
// L and a plain ";"; a plain Z, X to M and the plain "," "." "/". Every
// letter key from A to Y carries its radicals and is coloured by its Wubi
// zone. The numbered dots that mark a code stand at fixed anchors given in
// twips; a key's later dots move up and left from its anchor, so the key cells
// are derived from the anchors and hold all four dot places of their key.
// Geometry only; painting is the widget's business.
class WubiKeyLayout
{
public:
    // The Wubi zones, named after the first stroke of their radicals.
    enum class Zone {
        None,         // the plain keys
        Horizontal,   // 横, G F D S A
        Vertical,     // 竖, H J K L M
        LeftFalling,  // 撇, T R E W Q
        RightFalling, // 捺, Y U I O P
        Turning,      // 折, N B V C X
    };

    struct Key
    {
        int row = 0;                  // 0 for Q to P down to 2 for Z to /
        QRect rect;                   // the key's cell in the picture, in pixels
        QChar character;              // what the key types, lower-case: 'q', ';', 'z'
        QString label;                // what a plain key shows and how a key is named: "Q", ";"
        Zone zone = Zone::None;
        int nameRadical = -1;         // the key-name radical's RadicalGrid cell; -1 on plain keys
        QList<int> otherRadicals;     // the key's other radicals, RadicalGrid cells in column order
        std::optional<QPoint> anchor; // the first dot's left and top, in twips; none on plain keys
    };

    // The dots: 255 twips across, and a key's later dots stand 570 twips up
    // and/or left of its anchor.
    static constexpr int DotSize = 255;
    static constexpr int RepeatShift = 570;
    // Neighbouring keys' anchors are 810 twips apart.
    static constexpr int KeyPitch = 810;

    static constexpr int RowCount = 3;
    static constexpr int KeyWidth = 54;  // pixels: the key pitch
    static constexpr int KeyHeight = 55; // pixels: room for two dots above each other

    // The whole key map picture: 583 x 175 pixels.
    static QSize size();

    // Every key, row by row from the left.
    static const QList<Key> &keys();

    // The key that types letter, in either case: "a", "A", "z", ";".
    // Anything that is not exactly one such character has no key: nullptr.
    static const Key *keyFor(QStringView letter);

    // The light tint a zone's keys are painted in: green 撇, blue 捺, red 横,
    // yellow 竖, magenta 折. Plain keys have none (an invalid colour).
    static QColor zoneColour(Zone zone);
};
