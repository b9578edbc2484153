// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/KeyboardMusicFilter.h"

#include "core/platform/VirtualKeys.h"
#include "core/sound/KeyboardMusic.h"

#include <QKeyEvent>
#include <QWidget>

KeyboardMusicFilter::KeyboardMusicFilter(KeyboardMusic &music, QObject *parent)
    : QObject(parent)
    , m_music(music)
{
}

void KeyboardMusicFilter::watch(QWidget *box)
{
    if (box)
        box->installEventFilter(this);
}

bool KeyboardMusicFilter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0)
                      + (modifiers & Qt::AltModifier ? 4 : 0);
    m_music.keyDown(VirtualKeys::fromQtKey(key->key()), shift);
    return false;
}
