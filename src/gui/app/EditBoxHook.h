// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QWidget;

// `HookEditBox` / `UnhookEditBox`: the input boxes of the practice views never
// see the right mouse button, so no edit menu offers pasting text into an
// exercise. A box may hand the press to a handler instead (the article views
// offer their view menu there).
class EditBoxHook : public QObject
{
    Q_OBJECT

public:
    using RightButtonHandler = std::function<void(QWidget *box, const QPoint &globalPosition)>;

    explicit EditBoxHook(QObject *parent = nullptr);

    void HookEditBox(QWidget *box, RightButtonHandler onRightButton = {});
    void UnhookEditBox(QWidget *box);
    bool isHooked(const QWidget *box) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hooked
    {
        QPointer<QWidget> box;
        RightButtonHandler onRightButton;
    };
    QList<Hooked> m_boxes;
};
