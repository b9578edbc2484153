// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QRect>

class QPainter;
class QWidget;
struct WindowLook;

// What the program's frameless windows share: a face in the window colour
// framed by the five rim pictures below the title, and a place in the middle
// of the screen.
namespace FramelessWindow {

// The width of the rim at the left, right and bottom edges.
constexpr int rimWidth = 4;

// Fills the window's rectangle with the look's window colour and draws the
// rim pictures around the part below top (the title's height): left,
// bottom-left, bottom, bottom-right, right.
void paintFace(QPainter &painter, const QRect &window, int top, const WindowLook &look);

// The places of the five rim pictures, in that order.
QList<QRect> rimPlaces(const QRect &window, int top);

// Gives the window the look's colours for what it does not paint itself:
// the window colour behind its frames and check boxes, and, with
// labelColours, the text colour of its labels, frame titles, check boxes
// and option buttons.
void useColours(QWidget *window, const WindowLook &look, bool labelColours);

// Moves the window to the middle of its screen's free area.
void centreOnScreen(QWidget *window);

} // namespace FramelessWindow
