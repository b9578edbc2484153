// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/Finger.h"

QColor fingerColour(Finger finger)
{
    switch (finger) {
    case Finger::Little:
        return QColor(0xf5, 0xc5, 0x2e);
    case Finger::Ring:
        return QColor(0x6c, 0xc4, 0x6f);
    case Finger::Middle:
        return QColor(0xf2, 0x94, 0xbe);
    case Finger::Index:
    case Finger::Thumb:
        return QColor(0x62, 0xa6, 0xf2);
    }
    return {};
}

QString fingerName(Hand hand, Finger finger)
{
    QString name;
    switch (hand) {
    case Hand::Left:
        name = QStringLiteral("左手");
        break;
    case Hand::Right:
        name = QStringLiteral("右手");
        break;
    case Hand::Either:
        break;
    }
    switch (finger) {
    case Finger::Little:
        return name + QStringLiteral("小指");
    case Finger::Ring:
        return name + QStringLiteral("无名指");
    case Finger::Middle:
        return name + QStringLiteral("中指");
    case Finger::Index:
        return name + QStringLiteral("食指");
    case Finger::Thumb:
        return name + QStringLiteral("拇指");
    }
    return name;
}
