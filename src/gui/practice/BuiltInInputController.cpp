// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/BuiltInInputController.h"

#include "core/settings/Settings.h"
#include "gui/practice/BuiltInInput.h"
#include "widgets/InputBox.h"

#include <QEvent>
#include <QtDebug>

namespace {

BuiltInInputMode modeOf(const Settings &settings)
{
    return builtInInputModeNamed(settings.BuiltInInput).value_or(BuiltInInputMode::Auto);
}

} // namespace

BuiltInInputController::BuiltInInputController(const Settings &settings, ProgramFolder programFolder,
                                               bool systemInputMethod, Practice practice, QObject *parent)
    : QObject(parent),
      m_settings(settings),
      m_programFolder(std::move(programFolder)),
      m_practice(std::move(practice)),
      m_switch(modeOf(settings), systemInputMethod),
      m_input(new BuiltInInput(this))
{
    m_input->setChineseBoxTest(m_practice.expectsChinese);
    connect(m_input, &BuiltInInput::toggleRequested, this, [this] {
        m_switch.toggle();
        apply();
    });
    connect(m_input, &BuiltInInput::metricsChanged, this, &BuiltInInputController::refresh);
    apply();
}

BuiltInInputController::~BuiltInInputController() = default;

void BuiltInInputController::attach(InputBox *box)
{
    if (!box)
        return;
    m_input->attach(box);
    box->installEventFilter(this);
}

void BuiltInInputController::settingsChanged()
{
    m_switch.setMode(modeOf(m_settings));
    apply();
}

void BuiltInInputController::restart()
{
    m_input->restart();
}

// The table is read when the input is first switched on with its method, so
// a learner who never uses it never pays for it.
void BuiltInInputController::apply()
{
    const std::optional<ImeEngine::Method> wanted =
        m_switch.isOn() ? BuiltInInputSwitch::methodOf(m_settings.InputMeans) : std::nullopt;
    const ImeTable *wantedTable = wanted ? table(*wanted) : nullptr;
    const std::optional<ImeEngine::Method> method = wantedTable ? wanted : std::nullopt;
    if (method != m_method) {
        m_input->setTable(wantedTable, method.value_or(ImeEngine::Method::Wubi));
        m_method = method;
    }
    m_input->setActive(method.has_value());
    refresh();
}

const ImeTable *BuiltInInputController::table(ImeEngine::Method method)
{
    auto found = m_tables.find(method);
    if (found == m_tables.end()) {
        const QString path = m_programFolder.path(BuiltInInputSwitch::tableFile(method));
        QString error;
        std::optional<ImeTable> loaded = ImeTable::load(path, &error);
        if (!loaded)
            qWarning().noquote() << "The built-in input method stays off:" << error;
        found = m_tables.emplace(method, loaded ? std::make_unique<ImeTable>(std::move(*loaded)) : nullptr).first;
    }
    return found->second.get();
}

QString BuiltInInputController::figuresText() const
{
    if (!m_method)
        return {};
    const int seconds = m_practice.secondsPractised ? m_practice.secondsPractised() : 0;
    return m_input->metrics().figuresText(seconds);
}

void BuiltInInputController::refresh()
{
    if (!m_lastBox || !m_practice.expectsChinese || !m_practice.expectsChinese(m_lastBox)) {
        emit showInput({}, {});
        return;
    }
    emit showInput(BuiltInInputSwitch::inputName(m_method), figuresText());
}

bool BuiltInInputController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        m_lastBox = qobject_cast<InputBox *>(watched);
        refresh();
    }
    return false;
}
