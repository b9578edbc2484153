// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

class InputBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QTextEdit;
class QWidget;
class RadicalAnalysisStrip;

// The controls of the drill area, made and placed alike for both drills.
namespace DrillWidgets {

QLabel *caption(const QString &name, const QString &text, QWidget *parent);
QComboBox *chooser(const QString &name, QWidget *parent);
QCheckBox *optionBox(const QString &name, QWidget *parent);
QLabel *hintLabel(const QString &name, QWidget *parent);
InputBox *inputBox(const QString &name, QWidget *parent);
// Label2: one character in a large font.
QLabel *targetCharacter(QWidget *parent);
// RichTextBox1: the target word, whose characters take the right and wrong colours.
QTextEdit *targetWord(QWidget *parent);
// Wbzg1, Wbzg2: the radical analysis of the target, hidden until asked for.
RadicalAnalysisStrip *analysisStrip(const QString &name, QWidget *parent);

// A chooser frame (Frame4, Frame6): caption, chooser, then the option boxes on the right.
void placeChooserRow(QLabel *caption, QComboBox *chooser, QCheckBox *option, QCheckBox *analysis);
// The single-key target line: it takes the place of the word line Frame5.
void placeTargetArea(QWidget *area, QLabel *target, QLabel *hint, RadicalAnalysisStrip *analysis, InputBox *box,
                     const QFrame *Frame5);
// The word line Frame5: the word, its hint and analysis, the box and the
// read-aloud button.
void placeWordLine(QFrame *Frame5, QTextEdit *word, QLabel *hint, RadicalAnalysisStrip *analysis, InputBox *box,
                   QWidget *button);

// Whether the widget shows as soon as its window does: hidden neither itself
// nor through a parent.
bool isShown(const QWidget *widget);

} // namespace DrillWidgets
