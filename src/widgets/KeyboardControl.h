// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QWidget>

// What the keyboard pictures below the practice views share: a fixed size,
// no focus (typing stays in the practice box), a name for screen readers, and
// a left click -- pressed and released on the control -- raised as clicked(),
// which swaps one keyboard for the other.
class KeyboardControl : public QWidget
{
    Q_OBJECT

public:
    KeyboardControl(const QSize &size, const QString &accessibleName, QWidget *parent = nullptr);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
