// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/FramelessWindow.h"

#include "gui/app/WindowLook.h"

#include <QList>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace FramelessWindow {

QList<QRect> rimPlaces(const QRect &window, int top)
{
    const int left = window.left();
    const int right = window.right() + 1 - rimWidth;
    const int bottom = window.bottom() + 1 - rimWidth;
    return {QRect(left, top, rimWidth, bottom - top), QRect(left, bottom, rimWidth, rimWidth),
            QRect(left + rimWidth, bottom, right - left - rimWidth, rimWidth),
            QRect(right, bottom, rimWidth, rimWidth), QRect(right, top, rimWidth, bottom - top)};
}

void paintFace(QPainter &painter, const QRect &window, int top, const WindowLook &look)
{
    painter.fillRect(window, look.colors.window);
    const WindowPictures &pictures = look.pictures;
    const QPixmap rims[] = {pictures.rimLeft, pictures.rimLeftBottom, pictures.rimBottom, pictures.rimRightBottom,
                            pictures.rimRight};
    const QList<QRect> places = rimPlaces(window, top);
    for (int i = 0; i < places.size(); ++i)
        painter.drawPixmap(places[i], rims[i]);
}

void useColours(QWidget *window, const WindowLook &look, bool labelColours)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, look.colors.window);
    if (labelColours)
        palette.setColor(QPalette::WindowText, look.colors.labelText);
    window->setPalette(palette);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect place(QPoint(), window->size());
    place.moveCenter(screen->availableGeometry().center());
    window->move(place.topLeft());
}

} // namespace FramelessWindow
