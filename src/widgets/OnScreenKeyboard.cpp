// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/OnScreenKeyboard.h"

#include "core/keyboard/PcKeyboardLayout.h"
#include "widgets/KeyboardPicture.h"

#include <QPainter>

namespace {

const QColor Background(0x1f, 0x23, 0x29);
const QColor DarkKey(0x3a, 0x40, 0x49);
const QColor LightInk(0xf4, 0xf6, 0xf8);
const QColor DarkInk(0x1d, 0x20, 0x24);

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
                                   PcKeyboardLayout::keys(), [](const KeyCap &) {
                                       return KeyboardPicture::Look{DarkKey, LightInk};
                                   });
}

QPixmap OnScreenKeyboard::highlightPicture(qreal devicePixelRatio)
{
    return KeyboardPicture::render(PcKeyboardLayout::size(), devicePixelRatio, Background,
                                   PcKeyboardLayout::keys(), markedLook);
}

void OnScreenKeyboard::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_keyboardPicture.isNull() || m_keyboardPicture.devicePixelRatio() != ratio)
        m_keyboardPicture = keyboardPicture(ratio);

    QPainter painter(this);
    painter.drawPixmap(0, 0, m_keyboardPicture);
    // The marked key's cell is painted afresh, exactly as in the highlight
    // picture, rather than copied from a second whole keyboard kept for it.
    if (const KeyCap *key = m_marker.markedKey()) {
        painter.setClipRect(key->rect);
        painter.fillRect(key->rect, Background);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        KeyboardPicture::paintKey(painter, *key, markedLook(*key));
    }
}
