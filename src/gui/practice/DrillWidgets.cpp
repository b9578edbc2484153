// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/DrillWidgets.h"

#include "widgets/InputBox.h"
#include "widgets/RadicalAnalysisStrip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace DrillWidgets {

namespace {

template <typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QFont sizedFont(const QWidget *widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    return named(new QLabel(text, parent), name);
}

QComboBox *chooser(const QString &name, QWidget *parent)
{
    auto *box = named(new QComboBox(parent), name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMinimumContentsLength(10);
    return box;
}

QCheckBox *optionBox(const QString &name, QWidget *parent)
{
    auto *box = named(new QCheckBox(parent), name);
    // Typing stays in the drill's box while an option is clicked.
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel *hintLabel(const QString &name, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sizedFont(label, 15));
    return label;
}

InputBox *inputBox(const QString &name, QWidget *parent)
{
    auto *box = named(new InputBox(parent), name);
    box->setFont(sizedFont(box, 20));
    box->setAccessibleName(QStringLiteral("输入框"));
    return box;
}

QLabel *targetCharacter(QWidget *parent)
{
    auto *label = named(new QLabel(parent), QStringLiteral("Label2"));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sizedFont(label, 84));
    label->setFrameShape(QFrame::Box);
    label->setFixedSize(130, 116);
    label->setAccessibleDescription(QStringLiteral("要输入的字符"));
    return label;
}

QTextEdit *targetWord(QWidget *parent)
{
    auto *word = named(new QTextEdit(parent), QStringLiteral("RichTextBox1"));
    word->setReadOnly(true);
    word->setFocusPolicy(Qt::NoFocus);
    word->setFont(sizedFont(word, 40));
    word->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    word->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    word->setLineWrapMode(QTextEdit::NoWrap);
    word->setFixedHeight(72);
    word->setAccessibleDescription(QStringLiteral("要输入的单词"));
    return word;
}

RadicalAnalysisStrip *analysisStrip(const QString &name, QWidget *parent)
{
    return named(new RadicalAnalysisStrip(parent), name);
}

void placeChooserRow(QLabel *caption, QComboBox *chooser, QCheckBox *option, QCheckBox *analysis)
{
    auto *row = new QHBoxLayout(caption->parentWidget());
    row->setContentsMargins(8, 6, 8, 6);
    row->addWidget(caption);
    row->addWidget(chooser);
    row->addStretch();
    row->addWidget(option);
    row->addWidget(analysis);
}

void placeTargetArea(QWidget *area, QLabel *target, QLabel *hint, RadicalAnalysisStrip *analysis, InputBox *box,
                     const QFrame *Frame5)
{
    area->setGeometry(Frame5->geometry());
    box->setFixedWidth(120);
    box->setAlignment(Qt::AlignCenter);
    auto *column = new QVBoxLayout(area);
    // The keyboard below may rise over the foot of the drill area.
    column->setContentsMargins(0, 6, 0, 0);
    column->setSpacing(4);
    column->addWidget(target, 0, Qt::AlignHCenter);
    // The code hint and the analysis share a line: below the box the keyboard
    // would cover the analysis.
    auto *hints = new QHBoxLayout;
    hints->setSpacing(12);
    hints->addStretch();
    hints->addWidget(hint);
    hints->addWidget(analysis);
    hints->addStretch();
    column->addLayout(hints);
    column->addWidget(box, 0, Qt::AlignHCenter);
    column->addStretch();
}

void placeWordLine(QFrame *Frame5, QTextEdit *word, QLabel *hint, RadicalAnalysisStrip *analysis, InputBox *box,
                   QWidget *button)
{
    auto *column = new QVBoxLayout(Frame5);
    column->setContentsMargins(16, 8, 16, 8);
    column->addWidget(word);
    column->addWidget(hint);
    column->addWidget(analysis, 0, Qt::AlignHCenter);
    auto *row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(button);
    column->addLayout(row);
    column->addStretch();
}

bool isShown(const QWidget *widget)
{
    return widget->isVisibleTo(widget->window());
}

} // namespace DrillWidgets
