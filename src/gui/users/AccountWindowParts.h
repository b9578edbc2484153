// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QString>

class KorvelButton;
class QFormLayout;
class QWidget;

// The parts the account windows share.

// A push button of the account windows: the program's own button in the XP
// look that windows take when no skin dresses them.
KorvelButton *makeDialogButton(const QString &objectName, const QString &caption);

// Lays the panels of an account window out one below the other on its body,
// with its buttons in a row at the bottom right.
void layOutPanelsAndButtons(QWidget *body, const QList<QWidget *> &panels,
                            const QList<KorvelButton *> &buttons);

// Adds a row of a box with its caption label, the label being the box's buddy
// so that screen readers name the box by it.
void addLabelledRow(QFormLayout *form, const QString &labelName, const QString &caption,
                    QWidget *box);
