// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/BuiltInInput.h"

#include "widgets/ImeCandidateList.h"
#include "widgets/InputBox.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCharFormat>

namespace {

// The key as the engine takes it, or a null character for keys it never sees
// (arrows, function keys, keys with Ctrl or Alt).
QChar engineKey(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (event.key()) {
    case Qt::Key_Backspace: return u'\b';
    case Qt::Key_Escape: return u'\x1b';
    case Qt::Key_Return:
    case Qt::Key_Enter: return u'\r';
    default: break;
    }
    const QString text = event.text();
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

} // namespace

BuiltInInput::BuiltInInput(QObject *parent)
    : QObject(parent)
{
}

BuiltInInput::~BuiltInInput()
{
    delete m_list;
}

void BuiltInInput::attach(InputBox *box)
{
    box->installEventFilter(this);
    connect(box, &QObject::destroyed, this, [this] { clearComposition(); });
}

void BuiltInInput::setTable(const ImeTable *table, ImeEngine::Method method)
{
    clearComposition();
    m_engine = table ? std::make_unique<ImeEngine>(*table, method) : nullptr;
    m_feedback = table && method == ImeEngine::Method::Wubi ? std::make_unique<CodeFeedback>(*table) : nullptr;
}

void BuiltInInput::setActive(bool active)
{
    if (!active)
        clearComposition();
    m_active = active;
}

void BuiltInInput::restart()
{
    clearComposition();
    m_metrics.reset();
    if (m_feedback)
        m_feedback->reset();
    emit metricsChanged();
}

bool BuiltInInput::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<InputBox *>(watched);
    if (!box)
        return false;
    if (event->type() == QEvent::FocusOut && box == m_composingIn) {
        clearComposition();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier) {
        emit toggleRequested();
        return true;
    }
    if (!isActive() || (m_chineseBox && !m_chineseBox(box)))
        return false;
    return keyPress(box, key);
}

bool BuiltInInput::keyPress(InputBox *box, QKeyEvent *event)
{
    const QChar key = engineKey(*event);
    if (key.isNull())
        return false;
    if (m_composingIn && m_composingIn != box)
        clearComposition();
    m_metrics.countKey();
    const ImeEngine::Result result = m_engine->key(key);
    QString words;
    if (!result.commit.isEmpty())
        words = commit(box, result.commit, result.committedCode);
    if (!result.punctuation.isEmpty())
        enter(box, result.punctuation);
    showComposition(box);
    // A key the engine passes on types itself.
    if (!result.handled && key.isPrint())
        m_metrics.countCharacters(1);
    emit metricsChanged();
    if (m_engine->isDeadEnd()) {
        const QString composition = m_engine->composition();
        showNote(box, QStringLiteral("“%1”没有对应的字词，按退格键改正").arg(composition), true);
        emit deadEnd(composition);
    } else if (!words.isEmpty() && m_engine->composition().isEmpty()) {
        showNote(box, words, false);
    }
    return result.handled;
}

QString BuiltInInput::commit(InputBox *box, const QString &text, const QString &code)
{
    emit committing(text, code);
    enter(box, text);
    if (!m_feedback)
        return {};
    const QString words = m_feedback->afterCommit(text, code);
    if (!words.isEmpty())
        emit feedback(words);
    return words;
}

void BuiltInInput::enter(InputBox *box, const QString &text)
{
    // Counted first: the last character of an exercise opens the save
    // dialog, modally, from within the commit.
    m_metrics.countCharacters(text.toUcs4().size());
    QInputMethodEvent committing;
    committing.setCommitString(text);
    QCoreApplication::sendEvent(box, &committing);
}

void BuiltInInput::showNote(InputBox *box, const QString &text, bool warning)
{
    if (!m_list && box->window())
        m_list = new ImeCandidateList(box->window());
    if (m_list)
        m_list->showNote(text, box, warning);
}

void BuiltInInput::showComposition(InputBox *box)
{
    const QString composition = m_engine->composition();
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    QList<QInputMethodEvent::Attribute> attributes{
        {QInputMethodEvent::TextFormat, 0, int(composition.size()), underlined},
        {QInputMethodEvent::Cursor, int(composition.size()), 1, QVariant()},
    };
    if (m_engine->isDeadEnd()) {
        // The letter that led nowhere, in red.
        QTextCharFormat wrong = underlined;
        wrong.setForeground(QColor(0xc0, 0x10, 0x10));
        attributes.append({QInputMethodEvent::TextFormat, int(composition.size()) - 1, 1, wrong});
    }
    QInputMethodEvent composing(composition, attributes);
    QCoreApplication::sendEvent(box, &composing);
    m_composingIn = composition.isEmpty() ? nullptr : box;

    if (!m_list && box->window())
        m_list = new ImeCandidateList(box->window());
    if (!m_list)
        return;
    QList<ImeCandidateList::Item> items;
    const bool withCodes = composition.contains(u'z') && m_engine->method() == ImeEngine::Method::Wubi;
    for (const ImeEngine::Candidate &candidate : m_engine->candidates())
        items.append({candidate.text, withCodes || candidate.code.size() > composition.size() ? candidate.code : QString()});
    m_list->showItems(items, box);
    // Screen readers hear the letters typed with the list they lead to.
    m_list->setAccessibleDescription(composition.isEmpty() ? QString() : QStringLiteral("输入码 ") + composition);
}

void BuiltInInput::clearComposition()
{
    if (m_engine)
        m_engine->reset();
    if (m_composingIn) {
        QInputMethodEvent ending;
        QCoreApplication::sendEvent(m_composingIn, &ending);
    }
    m_composingIn = nullptr;
    if (m_list)
        m_list->showItems({}, nullptr);
}
