// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/OnScreenKeyboard.h"

#include "core/keyboard/PcKeyboardLayout.h"
#include "widgets/KeyboardPicture.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

const QColor Background(0x1f, 0x23, 0x29);
const QColor DarkKey(0x3a, 0x40, 0x49);
const QColor LightInk(0xf4, 0xf6, 0xf8);
const QColor DarkInk(0x1d, 0x20, 0x24);

KeyboardPicture::Look plainLook(const KeyCap &)
{
    return {DarkKey, LightInk};
}

KeyboardPicture::Look markedLook(const KeyCap &key)
{
    return {fingerColour(key.finger), DarkInk};
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(QWidget *parent)
    : KeyboardControl(PcKeyboardLayout::size(), QStringLiteral("模拟键盘"), parent)
{
    setAccessibleDescription(m_marker.description());
}

void OnScreenKeyboard::xzjp(const QString &text)
{
    const KeyCap *previous = m_marker.markedKey();
    if (m_marker.mark(text))
        showMarkChange(previous);
}

void OnScreenKeyboard::conceal()
{
    const KeyCap *previous = m_marker.markedKey();
    if (m_marker.conceal())
        showMarkChange(previous);
}

void OnScreenKeyboard::showMarkChange(const KeyCap *previous)
{
    if (previous)
        update(previous->rect);
    if (const KeyCap *key = m_marker.markedKey())
        update(key->rect);
    setAccessibleDescription(m_marker.description());
}

QPixmap OnScreenKeyboard::keyboardPicture(qreal devicePixelRatio)
{
    return KeyboardPicture::render(PcKeyboardLayout::size(), devicePixelRatio, Background,
                                   PcKeyboardLayout::keys(), plainLook);
}

QPixmap OnScreenKeyboard::highlightPicture(qreal devicePixelRatio)
{
    return KeyboardPicture::render(PcKeyboardLayout::size(), devicePixelRatio, Background,
                                   PcKeyboardLayout::keys(), markedLook);
}

// The keys are painted afresh, exactly as in the pictures, rather than copied
// from whole keyboards kept in memory: a key press repaints two keys, which is
// quick, and a keyboard picture takes 0.4 MB (1.6 MB on a HiDPI screen).
void OnScreenKeyboard::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Background);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const KeyCap *marked = m_marker.markedKey();
    for (const KeyCap &key : PcKeyboardLayout::keys()) {
        if (!event->region().intersects(key.rect))
            continue;
        KeyboardPicture::paintKey(painter, key, marked && key.rect == marked->rect ? markedLook(key) : plainLook(key));
    }
}
