// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/InputBox.h"

#include <QInputMethodEvent>
#include <QTest>

class tst_InputBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eventOrder_data();
    void eventOrder();
    void swallowedKeyNeverReachesTheBox();
    void handlerMayTypeAnotherCharacter();
    void inputMethodCommitIsTypedCharacterByCharacter();
    void swallowedCommittedCharacter();
    void compositionAloneIsNoKey();
    void focusIsReported();

private:
    InputBox *m_box = nullptr;
    QWidget *m_window = nullptr;
    QStringList m_events;
    // The keyPress handler's answer: -1 leaves the code, anything else replaces it.
    int m_replace = -1;
};

void tst_InputBox::init()
{
    m_window = new QWidget;
    m_box = new InputBox(m_window);
    new QLineEdit(m_window); // somewhere for Tab to go, were it not kept
    m_events.clear();
    m_replace = -1;
    connect(m_box, &InputBox::keyDown, this, [this](int keyCode, int shift) {
        m_events << QStringLiteral("down %1 %2").arg(keyCode).arg(shift);
    });
    connect(m_box, &InputBox::keyPress, this, [this](int &code) {
        m_events << QStringLiteral("press %1").arg(code);
        if (m_replace >= 0)
            code = m_replace;
    });
    connect(m_box, &InputBox::change, this, [this] { m_events << QStringLiteral("change ") + m_box->text(); });
    m_window->show();
    m_box->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_events.clear();
}

void tst_InputBox::cleanup()
{
    delete m_window;
}

void tst_InputBox::eventOrder_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("after");

    QTest::newRow("letter") << "" << int(Qt::Key_A) << Qt::KeyboardModifiers() << "a"
                            << QStringList { "down 65 0", "press 97", "change a" } << "a";
    QTest::newRow("capital with Shift") << "" << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A"
                                        << QStringList { "down 65 1", "press 65", "change A" } << "A";
    QTest::newRow("shifted digit") << "" << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "!"
                                   << QStringList { "down 0 1", "press 33", "change !" } << "!";
    QTest::newRow("Chinese character typed by a key") << "" << 0 << Qt::KeyboardModifiers() << "中"
                                                      << QStringList { "down 0 0", "press 20013", "change 中" } << "中";
    QTest::newRow("Backspace") << "ab" << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << "\b"
                               << QStringList { "down 8 0", "press 8", "change a" } << "a";
    QTest::newRow("Backspace in the empty box") << "" << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << "\b"
                                                << QStringList { "down 8 0", "press 8" } << "";
    QTest::newRow("Enter types nothing") << "a" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "\r"
                                         << QStringList { "down 13 0", "press 13" } << "a";
    QTest::newRow("Tab stays in the box") << "a" << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << "\t"
                                          << QStringList { "down 9 0", "press 9" } << "a";
    QTest::newRow("Esc") << "a" << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << "\x1b"
                         << QStringList { "down 27 0", "press 27" } << "a";
    QTest::newRow("F3 has no key press") << "a" << int(Qt::Key_F3) << Qt::KeyboardModifiers() << ""
                                         << QStringList { "down 114 0" } << "a";
    QTest::newRow("Delete has no key press") << "a" << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << "\x7f"
                                             << QStringList { "down 46 0" } << "a";
}

void tst_InputBox::eventOrder()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(QStringList, events);
    QFETCH(QString, after);

    m_box->setText(before);
    m_events.clear();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(m_box, &press);
    QCOMPARE(m_events, events);
    QCOMPARE(m_box->text(), after);
    QVERIFY(m_box->hasFocus());
}

void tst_InputBox::swallowedKeyNeverReachesTheBox()
{
    m_replace = 0;
    QTest::keyClick(m_box, Qt::Key_A);
    QCOMPARE(m_events, (QStringList { "down 65 0", "press 97" }));
    QCOMPARE(m_box->text(), QString());
}

void tst_InputBox::handlerMayTypeAnotherCharacter()
{
    m_replace = 'b';
    QTest::keyClick(m_box, Qt::Key_A);
    QCOMPARE(m_box->text(), "b");
}

void tst_InputBox::inputMethodCommitIsTypedCharacterByCharacter()
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中国"));
    QApplication::sendEvent(m_box, &commit);
    QCOMPARE(m_events, (QStringList { "press 20013", "change 中", "press 22269", "change 中国" }));
}

void tst_InputBox::swallowedCommittedCharacter()
{
    m_replace = 0;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(m_box, &commit);
    QCOMPARE(m_events, (QStringList { "press 20013" }));
    QCOMPARE(m_box->text(), QString());
}

void tst_InputBox::compositionAloneIsNoKey()
{
    QInputMethodEvent composing(QStringLiteral("zhong"), {});
    QApplication::sendEvent(m_box, &composing);
    QCOMPARE(m_events, QStringList());
    QCOMPARE(m_box->text(), QString());
}

void tst_InputBox::focusIsReported()
{
    int focused = 0;
    connect(m_box, &InputBox::gotFocus, this, [&] { ++focused; });
    QLineEdit *other = m_window->findChildren<QLineEdit *>().constLast();
    QVERIFY(other != m_box);
    other->setFocus();
    m_box->setFocus();
    QCOMPARE(focused, 1);
}

QTEST_MAIN(tst_InputBox)
#include "tst_inputbox.moc"
