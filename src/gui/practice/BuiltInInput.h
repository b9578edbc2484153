// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/ime/CodeFeedback.h"
#include "core/ime/ImeEngine.h"
#include "core/ime/ImeMetrics.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ImeCandidateList;
class InputBox;
class QKeyEvent;

// The built-in input method on the typing boxes: while it is on, the keys
// of an attached box go to the engine first; the composition shows in the
// box as underlined preedit text and the candidates in a numbered list under
// it, and a commit enters the box the way a system input method's does, so
// the box judges it character by character. Every key pressed in a box while
// it is on is counted for the keystroke figures.
class BuiltInInput : public QObject
{
    Q_OBJECT

public:
    explicit BuiltInInput(QObject *parent = nullptr);
    ~BuiltInInput() override;

    void attach(InputBox *box);

    // The table to type with; nullptr switches the input off. The table must
    // outlive its use here.
    void setTable(const ImeTable *table, ImeEngine::Method method);
    void setActive(bool active);
    bool isActive() const { return m_active && m_engine; }
    // Which attached boxes expect Chinese now; the others keep their keys
    // even while the input is on. Asked at every key; all boxes when unset.
    void setChineseBoxTest(std::function<bool(const InputBox *)> test) { m_chineseBox = std::move(test); }

    ImeMetrics &metrics() { return m_metrics; }
    // A new exercise: figures and feedback start again, the composition goes.
    void restart();

    const ImeEngine *engine() const { return m_engine.get(); }

signals:
    // Ctrl+Space in an attached box.
    void toggleRequested();
    // Words for the hint line after a commit with a longer code than needed.
    void feedback(const QString &words);
    // The letters typed lead to no candidate: the last one went wrong.
    void deadEnd(const QString &composition);
    // A key was counted or characters entered: the figures changed.
    void metricsChanged();
    // The text of a code is about to enter box (and be judged there); code
    // holds the letters it was typed with.
    void committing(const QString &text, const QString &code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(InputBox *box, QKeyEvent *event);
    void showComposition(InputBox *box);
    // Enters text into box the way a system input method's commit does.
    void enter(InputBox *box, const QString &text);
    // Enters the text of a code; returns the feedback words it gave, if any.
    QString commit(InputBox *box, const QString &text, const QString &code);
    void clearComposition();
    void showNote(InputBox *box, const QString &text, bool warning);

    std::unique_ptr<ImeEngine> m_engine;
    std::unique_ptr<CodeFeedback> m_feedback;
    ImeMetrics m_metrics;
    bool m_active = false;
    QPointer<InputBox> m_composingIn;
    QPointer<ImeCandidateList> m_list;
    std::function<bool(const InputBox *)> m_chineseBox;
};
