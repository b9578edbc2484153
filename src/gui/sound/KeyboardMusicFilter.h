// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>

class KeyboardMusic;
class QWidget;

// Hands every key pressed in the boxes it watches to the keyboard music, as
// a Windows virtual-key code and shift state, and lets the key go on. Watch
// a box after its input method's filter is installed: filters run newest
// first, so the music hears the letters the input method then takes.
class KeyboardMusicFilter : public QObject
{
    Q_OBJECT

public:
    // music must outlive the filter.
    explicit KeyboardMusicFilter(KeyboardMusic &music, QObject *parent = nullptr);

    void watch(QWidget *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyboardMusic &m_music;
};
