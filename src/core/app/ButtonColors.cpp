// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ButtonColors.h"

#include <algorithm>
#include <cmath>

namespace ButtonColors {

namespace {

QColor lifted(const QColor &color, int red, int green, int blue)
{
    return QColor(std::min(color.red() + red, 255), std::min(color.green() + green, 255),
                  std::min(color.blue() + blue, 255));
}

} // namespace

QColor xpDefaultHover(const QColor &highlight)
{
    return lifted(highlight, 171, 154, 108);
}

QColor xpDefaultPressed(const QColor &highlight)
{
    return lifted(highlight, 156, 139, 108);
}

QColor gradientLine(const QColor &face, int lineFromBottom, int height, bool pressed)
{
    if (height <= 0)
        return face;
    const int depth = pressed ? 15 : 25;
    const int darker = lineFromBottom * depth / height;
    return QColor(std::max(face.red() - darker, 0), std::max(face.green() - darker, 0),
                  std::max(face.blue() - darker, 0));
}

} // namespace ButtonColors

namespace {

// Relative brightness, 0 (black) to 1 (white), by the eye's weights.
double brightness(const QColor &color)
{
    return 0.2126 * color.redF() + 0.7152 * color.greenF() + 0.0722 * color.blueF();
}

} // namespace

ButtonColors::Emboss ButtonColors::disabledCaption(const QColor &face, const QColor &shadow, const QColor &highlight)
{
    constexpr double enough = 0.3;
    if (std::abs(brightness(shadow) - brightness(face)) >= enough)
        return {shadow, highlight};
    if (brightness(face) >= 0.5)
        return {face.darker(200), QColor(Qt::white)};
    return {QColor(170, 170, 170), QColor(Qt::black)};
}
