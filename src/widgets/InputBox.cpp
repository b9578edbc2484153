// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/InputBox.h"

#include "core/platform/VirtualKeys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= InputBox::ShiftKey;
    if (modifiers & Qt::ControlModifier)
        shift |= InputBox::ControlKey;
    if (modifiers & Qt::AltModifier)
        shift |= InputBox::AltKey;
    return shift;
}

// The character code a key types, as the key-press handlers know it, or 0
// for a key that types nothing (arrows, function keys, Delete).
int characterCode(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return VirtualKeys::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VirtualKeys::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKeys::Enter;
    case Qt::Key_Escape:
        return VirtualKeys::Escape;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QList<uint> text = event.text().toUcs4();
    return text.isEmpty() || text.first() == 0x7f ? 0 : int(text.first());
}

QString characterText(int code)
{
    const char32_t character = char32_t(code);
    return QString::fromUcs4(&character, 1);
}

} // namespace

InputBox::InputBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &InputBox::change);
}

bool InputBox::event(QEvent *event)
{
    // Tab would move the focus on; here it is a key like any other.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(VirtualKeys::fromQtKey(event->key()), shiftState(event->modifiers()));
    const int original = characterCode(*event);
    if (original == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int code = original;
    emit keyPress(code);
    event->accept();
    if (code == 0)
        return;
    if (code != original) {
        insert(characterText(code));
        return;
    }
    // Tab and Esc type nothing; the line edit would pass them on to the window.
    if (code == VirtualKeys::Tab || code == VirtualKeys::Escape)
        return;
    QLineEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition shown in the box ends; the committed characters come
    // one by one as if typed.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    for (const uint character : event->commitString().toUcs4())
        typeCharacter(int(character));
    event->accept();
}

void InputBox::typeCharacter(int code)
{
    emit keyPress(code);
    if (code != 0)
        insert(characterText(code));
}

void InputBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}
