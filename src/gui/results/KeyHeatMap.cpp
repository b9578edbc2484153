// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/KeyHeatMap.h"

#include "core/keyboard/PcKeyboardLayout.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace {

// An error rate this high is as bad as it gets on the map: beyond it the
// learner needs the drill, not a finer shade.
constexpr double fullErrorRate = 0.3;
constexpr int legendHeight = 22;

QColor shade(double strength, const QColor &full)
{
    const auto mix = [strength](int from, int to) { return int(from + (to - from) * strength); };
    return QColor(mix(255, full.red()), mix(255, full.green()), mix(255, full.blue()));
}

QColor fullColour(KeyHeatMap::Shading shading)
{
    return shading == KeyHeatMap::Shading::Errors ? QColor(214, 39, 40) : QColor(31, 96, 200);
}

} // namespace

KeyHeatMap::KeyHeatMap(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("heatMap"));
    setAccessibleName(QStringLiteral("键位热图"));
    setAccessibleDescription(m_heat.text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KeyHeatMap::setHeat(const KeyHeat &heat)
{
    m_heat = heat;
    setAccessibleDescription(m_heat.text());
    update();
}

void KeyHeatMap::setShading(Shading shading)
{
    if (shading == m_shading)
        return;
    m_shading = shading;
    update();
}

double KeyHeatMap::strength(const KeyHeat::Key &key) const
{
    if (m_shading == Shading::Slowness)
        return key.slowness;
    return key.tries == 0 ? 0 : std::min(1.0, double(key.errors) / key.tries / fullErrorRate);
}

QSize KeyHeatMap::sizeHint() const
{
    const QSize keyboard = PcKeyboardLayout::size();
    return {keyboard.width() * 2 / 3, keyboard.height() * 2 / 3 + legendHeight};
}

void KeyHeatMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize keyboard = PcKeyboardLayout::size();
    const QRectF area(0, 0, width(), std::max(0, height() - legendHeight));
    const double scale = std::min(area.width() / keyboard.width(), area.height() / keyboard.height());
    painter.save();
    painter.translate((area.width() - keyboard.width() * scale) / 2, 0);
    painter.scale(scale, scale);

    QHash<int, const KeyHeat::Key *> typed;
    for (const KeyHeat::Key &key : m_heat.keys())
        typed.insert(key.index, &key);
    const QList<KeyCap> &caps = PcKeyboardLayout::keys();
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (int index = 0; index < caps.size(); ++index) {
        const KeyCap &cap = caps.at(index);
        const KeyHeat::Key *key = typed.value(index);
        const QColor fill = key ? shade(strength(*key), fullColour(m_shading)) : QColor(225, 225, 225);
        painter.setPen(QColor(120, 120, 120));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(cap.rect).adjusted(1, 1, -1, -1), 3, 3);
        painter.setPen(Qt::black);
        painter.drawText(cap.rect, Qt::AlignCenter, cap.label);
    }
    painter.restore();

    // Legend: the scale of the shading from nothing to the full colour, and
    // the grey of keys never typed.
    const QRectF legend(8, height() - legendHeight + 4, std::min(120, width() / 4), legendHeight - 10);
    QLinearGradient gradient(legend.topLeft(), legend.topRight());
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, fullColour(m_shading));
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(gradient);
    painter.drawRect(legend);
    const QString caption = m_shading == Shading::Errors ? QStringLiteral("错误率 0% — 30%+")
                                                         : QStringLiteral("常速 — 慢一倍+");
    const QRectF captionPlace(legend.right() + 6, legend.top() - 4,
                              painter.fontMetrics().horizontalAdvance(caption) + 4, legendHeight);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionPlace, Qt::AlignLeft | Qt::AlignVCenter, caption);
    const QRectF untried(captionPlace.right() + 6, legend.top(), legend.height(), legend.height());
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QColor(225, 225, 225));
    painter.drawRect(untried);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(untried.right() + 4, legend.top() - 4, 60, legendHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("未练"));
}
