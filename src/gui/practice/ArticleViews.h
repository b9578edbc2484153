// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>
#include <QtGlobal>

#include <array>

class ArticleModel;
class ArticleOptionBoxes;
class InputBox;
class QFrame;
class QLabel;
class QTextEdit;
class StatisticsBar;
struct Settings;

// The two article views, views of the article model. The normal view in
// `Frame7`: the rest of the article in `RichTextBox2` over the input box
// `Text9`, the hint line `Label11` and the option boxes `Check3` and
// `Check4`. The abreast view in `Frame15`: eight source lines
// `RTBoxAbreast`(i) over their input lines `TextAbreas`(i), the option boxes
// `Check7` and `Check6`, and the hints in `Label21` and `Label22` of the
// statistics bar. The source boxes carry the model's marks as character
// formats, so the right and wrong colours reach screen readers as well; the
// next target is highlighted in the box being typed in. The input boxes pass
// their events to the model and keep the caret at the end, so input is
// always appended.
class ArticleViews : public QObject
{
    Q_OBJECT

public:
    // Everything handed in outlives the views, which place the option boxes.
    ArticleViews(ArticleModel &model, const Settings &settings, ArticleOptionBoxes &options, QFrame *Frame7,
                 QFrame *Frame15, StatisticsBar *Frame2, QObject *parent = nullptr);

    // By the model's box number: 0 RichTextBox2 and Text9, 1 to 8
    // RTBoxAbreast(i) and TextAbreas(i); nullptr for any other number.
    QTextEdit *source(int box) const;
    InputBox *input(int box) const;

    QTextEdit *const RichTextBox2; // normal view: the article from the typing position on
    InputBox *const Text9;         // normal view: the input box
    QLabel *const Label11;         // normal view: the hint line

private:
    // Events of the input boxes, by box number.
    void input_KeyDown(int box, int keyCode);
    void input_KeyPress(int box, int &code);
    void input_Change(int box);
    void input_GotFocus(int box);
    void typeInto(int box, int code);

    // What the model asks the views to show.
    void showSources();
    void showMarks(int box, qsizetype start, qsizetype length);
    void showTarget(int box);
    void showHints();
    void giveFocus(int box);

    void placeNormalView(QFrame *Frame7, ArticleOptionBoxes &options);
    void placeAbreastView(QFrame *Frame15);

    ArticleModel &m_model;
    const Settings &m_settings;
    ArticleOptionBoxes &m_options;
    QLabel *const m_Label21;
    QLabel *const m_Label22;
    std::array<QTextEdit *, 9> m_sources{}; // RichTextBox2, RTBoxAbreast(1..8)
    std::array<InputBox *, 9> m_inputs{};   // Text9, TextAbreas(1..8)
    bool m_opened = false;                  // an article has been shown
    bool m_focusing = false;                // the model is giving an input box the focus
};
