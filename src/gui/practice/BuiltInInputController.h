// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/ime/BuiltInInputSwitch.h"
#include "core/ime/ImeTable.h"
#include "core/platform/ProgramFolder.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class BuiltInInput;
class InputBox;
struct Settings;

// Runs the built-in input method for the typing boxes: follows the setting
// "内置输入法", Ctrl+Space and the input method folder (`InputMeans`: Wubi or
// pinyin), loads each table from the program folder on first need and keeps
// it for the run, and says which input serves the box in use together with
// its keystroke figures.
class BuiltInInputController : public QObject
{
    Q_OBJECT

public:
    // What the controller asks of the practice around it.
    struct Practice
    {
        // Whether a box expects Chinese now (a Chinese drill, a Chinese
        // article, the shooting game).
        std::function<bool(const InputBox *)> expectsChinese;
        // Seconds the exercise clock has run, for keystrokes per second.
        std::function<int()> secondsPractised;
    };

    // systemInputMethod: a system input method serves the program, which the
    // setting's "自动" leaves alone. settings and programFolder outlive this.
    BuiltInInputController(const Settings &settings, ProgramFolder programFolder, bool systemInputMethod,
                           Practice practice, QObject *parent = nullptr);
    ~BuiltInInputController() override;

    void attach(InputBox *box);
    // The settings dialog was confirmed: the setting and the input method
    // folder are read again.
    void settingsChanged();
    // A new exercise: the keystroke figures start again.
    void restart();
    // Sends showInput() again for the box last in use (the clock ticked).
    void refresh();

    BuiltInInput &input() const { return *m_input; }
    bool isOn() const { return m_switch.isOn(); }

    // The keystroke figures as the statistics bar and the save dialog show
    // them, "3.20/2.45" (击键/码长); empty while the built-in input is off.
    QString figuresText() const;

signals:
    // What the statistics bar shows for the box in use: the name of the
    // input and the figures; an empty name when the box is not a Chinese one.
    void showInput(const QString &name, const QString &figures);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    void showTargetCode();
    // Loads the table the input wants and switches the engine on when box
    // is a Chinese one.
    void prepareFor(const InputBox *box);
    const ImeTable *table(ImeEngine::Method method);

    const Settings &m_settings;
    ProgramFolder m_programFolder;
    Practice m_practice;
    BuiltInInputSwitch m_switch;
    BuiltInInput *m_input;
    std::optional<ImeEngine::Method> m_wanted; // the method the setting and the input method folder ask for
    std::optional<ImeEngine::Method> m_method; // the method typing now, once its table is loaded
    std::map<ImeEngine::Method, std::unique_ptr<ImeTable>> m_tables; // null: could not be read
    QPointer<InputBox> m_lastBox;
};
