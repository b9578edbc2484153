// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/BuiltInInputController.h"

#include "core/platform/FreedMemory.h"
#include "core/platform/VirtualKeys.h"
#include "core/settings/Settings.h"
#include "gui/practice/BuiltInInput.h"
#include "widgets/InputBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
    connect(m_input, &BuiltInInput::deadEnd, this, &BuiltInInputController::showTargetCode);
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

// Letters that lead nowhere ask for the target's code the way the code-hint
// hot key does: the hint, the radical analysis and the radical keyboard show it.
void BuiltInInputController::showTargetCode()
{
    const int key = VirtualKeys::toQtKey(m_settings.CueKey);
    if (!m_lastBox || key == Qt::Key_unknown)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(m_lastBox, &press);
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

void BuiltInInputController::apply()
{
    m_wanted = m_switch.isOn() ? BuiltInInputSwitch::methodOf(m_settings.InputMeans) : std::nullopt;
    if (m_method != m_wanted) {
        m_input->setTable(nullptr, ImeEngine::Method::Wubi);
        m_method.reset();
    }
    refresh();
}

// The table is read when a Chinese box is first used with the input on, so
// neither the start nor a learner who never types Chinese pays for it.
void BuiltInInputController::prepareFor(const InputBox *box)
{
    if (!m_wanted || m_method == m_wanted || !box || !m_practice.expectsChinese(box))
        return;
    if (const ImeTable *loaded = table(*m_wanted)) {
        m_input->setTable(loaded, *m_wanted);
        m_input->setActive(true);
        m_method = m_wanted;
    }
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
        FreedMemory::giveBack();
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
    prepareFor(m_lastBox);
    if (!m_lastBox || !m_practice.expectsChinese || !m_practice.expectsChinese(m_lastBox)) {
        emit showInput({}, {});
        return;
    }
    emit showInput(BuiltInInputSwitch::inputName(m_method), figuresText());
}

bool BuiltInInputController::eventFilter(QObject *watched, QEvent *event)
{
    const auto *box = qobject_cast<InputBox *>(watched);
    // Runs before the input's own filter (installed earlier), so the engine
    // is ready for this very key. A box that takes a key is in use even when
    // its focus came while another window (a file dialog) was active.
    if (event->type() == QEvent::KeyPress)
        prepareFor(box);
    if (event->type() == QEvent::FocusIn || (event->type() == QEvent::KeyPress && watched != m_lastBox)) {
        m_lastBox = qobject_cast<InputBox *>(watched);
        refresh();
    }
    return false;
}
