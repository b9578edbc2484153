// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/WubiKeyMarks.h"

#include "core/wubi/WubiKeyLayout.h"

#include <QStringList>

WubiKeyMarks::WubiKeyMarks()
{
    for (Dot &dot : m_dots) {
        dot.circle = QPoint(0, HiddenTop);
        dot.label = QPoint(LabelLeft, HiddenTop);
    }
}

void WubiKeyMarks::load_wbm(QStringView code)
{
    conceal_wbm();
    const QStringView letters = code.left(DotCount);
    for (int i = 0; i < letters.size(); ++i)
        zmwz(letters.mid(i, 1), i + 1);
    m_placed.clear();
}

void WubiKeyMarks::conceal_wbm()
{
    for (Dot &dot : m_dots) {
        dot.circle.setY(HiddenTop);
        dot.label.setY(HiddenTop);
        dot.visible = false;
        dot.key = QChar();
    }
}

void WubiKeyMarks::zmwz(QStringView letter, int index)
{
    if (index < 1 || index > DotCount)
        return;
    const QString lower = letter.toString().toLower();
    const qsizetype earlier = lower.isEmpty() ? 0 : m_placed.count(lower);
    m_placed.append(lower);

    Dot &dot = m_dots[index - 1];
    const WubiKeyLayout::Key *key = WubiKeyLayout::keyFor(lower);
    if (key && key->anchor) {
        const int shift = WubiKeyLayout::RepeatShift;
        QPoint offset;
        switch (earlier) {
        case 0:
            break;
        case 1:
            offset = QPoint(0, shift);
            break;
        case 2:
            offset = QPoint(shift, shift);
            break;
        case 3:
            offset = QPoint(shift, 0);
            break;
        default:
            // Only four places fit on a key; longer runs go back to the anchor.
            break;
        }
        dot.circle = *key->anchor - offset;
        dot.visible = true;
        dot.key = lower.front();
    }
    dot.label = dot.circle + QPoint(LabelLeft, LabelTop);
}

const WubiKeyMarks::Dot &WubiKeyMarks::dot(int index) const
{
    Q_ASSERT(index >= 1 && index <= DotCount);
    return m_dots[index - 1];
}

QString WubiKeyMarks::description() const
{
    QStringList parts;
    for (int i = 0; i < DotCount; ++i) {
        if (m_dots[i].visible)
            parts.append(QStringLiteral("%1 %2").arg(i + 1).arg(m_dots[i].key.toUpper()));
    }
    if (parts.isEmpty())
        return QStringLiteral("未标出字根键");
    return parts.join(QLatin1Char(' '));
}
