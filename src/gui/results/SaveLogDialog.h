// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/results/SaveLogModel.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <functional>

struct FinishedExercise;
struct WindowLook;

class KorvelButton;
class Prompter;
class QCheckBox;
class QGroupBox;
class QLabel;
class RandomSource;

// The save dialog `frmsavelog` "练习成绩", opened modally when an article
// exercise ends: the figures of the finished exercise, a box to write the
// characters typed wrongly as a practice file of their own, and the buttons
// to save the result as one record of the user's English or Chinese result
// file and to close. Opening it makes the result file exist; saving works
// once per dialog. exec() answers Accepted when a record was saved.
class SaveLogDialog : public QDialog
{
    Q_OBJECT

public:
    // Today's date, asked when the dialog opens (the date shown) and again
    // when it saves (the date stored).
    using Today = std::function<QDate()>;

    // userFolder: the logged-in user's folder, without a trailing separator.
    // random draws the characters of the language test. look: the main
    // window's title and rim pictures, colours and skin, which the dialog
    // wears too.
    SaveLogDialog(const QString &userFolder, const FinishedExercise &exercise, Prompter &prompter,
                  RandomSource &random, const WindowLook &look, QWidget *parent = nullptr,
                  Today today = &QDate::currentDate);

    const SaveLogModel &model() const { return m_model; }
    bool isSaved() const { return !m_model.isSaveEnabled(); }

    void KorvelButton1_Click(); // save
    void KorvelButton2_Click(); // close

    // Every way out (close button, title picture, Esc) answers Accepted
    // when a record was saved, Rejected otherwise.
    void reject() override;

private:
    QGroupBox *buildFigures();

    Prompter &m_prompter;
    Today m_today;
    SaveLogModel m_model;

    QGroupBox *m_Frame1;           // "完成练习", the figures
    QList<QLabel *> m_captions;    // Label2 to Label8, the left column
    QList<QLabel *> m_values;      // Label9 to Label15, the right column
    QCheckBox *m_Check1;           // "创建错字练习文件"
    KorvelButton *m_KorvelButton1; // "保存成绩"
    KorvelButton *m_KorvelButton2; // "取   消"
};
