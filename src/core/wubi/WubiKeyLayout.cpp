// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/WubiKeyLayout.h"

#include "core/platform/Twips.h"
#include "core/wubi/RadicalGrid.h"

#include <array>

namespace {

// A twips length in pixels, rounded down or up. Anchors on the 15-twip grid
// come out whole; the lower rows do not, and their cells are pulled down to
// the next whole pixel so that rows never overlap.
int floorPixels(int twips)
{
    return twips / Twips::perPixel - (twips % Twips::perPixel < 0 ? 1 : 0);
}

int ceilPixels(int twips)
{
    return -floorPixels(-twips);
}

// How many cells of each key's row of the radical picture grid hold a
// radical, rows a to y; the filled cells come first.
constexpr std::array<int, RadicalGrid::Rows> radicalCounts = {
    9, 10, 6, 10, 9, 8, 5, 10, 9, 8, 3, 9, 6, 10, 5, 6, 10, 9, 3, 7, 10, 6, 5, 7, 10,
};

WubiKeyLayout::Zone zoneOf(QChar letter)
{
    if (QStringLiteral("gfdsa").contains(letter))
        return WubiKeyLayout::Zone::Horizontal;
    if (QStringLiteral("hjklm").contains(letter))
        return WubiKeyLayout::Zone::Vertical;
    if (QStringLiteral("trewq").contains(letter))
        return WubiKeyLayout::Zone::LeftFalling;
    if (QStringLiteral("yuiop").contains(letter))
        return WubiKeyLayout::Zone::RightFalling;
    Q_ASSERT(QStringLiteral("nbvcx").contains(letter));
    return WubiKeyLayout::Zone::Turning;
}

// One row of keys: plain keys before the lettered ones, the letter keys with
// their anchors, plain keys after. The first letter's anchor places the row;
// the cells follow from it one key pitch apart.
struct Row
{
    int anchorTop;
    int firstAnchorLeft;
    QString plainBefore;
    QString letters;
    QString plainAfter;
};

QList<WubiKeyLayout::Key> buildKeys()
{
    const std::array<Row, WubiKeyLayout::RowCount> rows = {{
        {660, 750, QString(), QStringLiteral("qwertyuiop"), QString()},
        {1480, 900, QString(), QStringLiteral("asdfghjkl"), QStringLiteral(";")},
        {2300, 1860, QStringLiteral("z"), QStringLiteral("xcvbnm"), QStringLiteral(",./")},
    }};

    QList<WubiKeyLayout::Key> keys;
    for (int r = 0; r < int(rows.size()); ++r) {
        const Row &row = rows[r];
        // The cell begins where the key's up-left dot begins.
        const int firstLeft = floorPixels(row.firstAnchorLeft - WubiKeyLayout::RepeatShift);
        const int top = ceilPixels(row.anchorTop - WubiKeyLayout::RepeatShift);
        const QString characters = row.plainBefore + row.letters + row.plainAfter;
        for (int i = 0; i < characters.size(); ++i) {
            const int column = i - int(row.plainBefore.size());
            WubiKeyLayout::Key key;
            key.row = r;
            key.rect = QRect(firstLeft + column * WubiKeyLayout::KeyWidth, top, WubiKeyLayout::KeyWidth,
                             WubiKeyLayout::KeyHeight);
            key.character = characters.at(i);
            key.label = QString(key.character.toUpper());
            if (column >= 0 && column < row.letters.size()) {
                const int gridRow = key.character.unicode() - u'a';
                key.zone = zoneOf(key.character);
                key.nameRadical = gridRow * RadicalGrid::Columns;
                for (int cell = 1; cell < radicalCounts[gridRow]; ++cell)
                    key.otherRadicals.append(key.nameRadical + cell);
                key.anchor = QPoint(row.firstAnchorLeft + column * WubiKeyLayout::KeyPitch, row.anchorTop);
            }
            keys.append(key);
        }
    }
    return keys;
}

} // namespace

QSize WubiKeyLayout::size()
{
    return QSize(583, 175);
}

const QList<WubiKeyLayout::Key> &WubiKeyLayout::keys()
{
    static const QList<Key> keys = buildKeys();
    return keys;
}

const WubiKeyLayout::Key *WubiKeyLayout::keyFor(QStringView letter)
{
    if (letter.size() != 1)
        return nullptr;
    const QChar lower = letter.front().toLower();
    for (const Key &key : keys()) {
        if (key.character == lower)
            return &key;
    }
    return nullptr;
}

QColor WubiKeyLayout::zoneColour(Zone zone)
{
    switch (zone) {
    case Zone::LeftFalling:
        return QColor(0xcf, 0xef, 0xc8);
    case Zone::RightFalling:
        return QColor(0xc9, 0xe0, 0xfa);
    case Zone::Horizontal:
        return QColor(0xfb, 0xd0, 0xcc);
    case Zone::Vertical:
        return QColor(0xfa, 0xed, 0xb0);
    case Zone::Turning:
        return QColor(0xf1, 0xcd, 0xf1);
    case Zone::None:
        break;
    }
    return QColor();
}
