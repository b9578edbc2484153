// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/KorvelButton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

class tst_KorvelButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mouse_data();
    void mouse();
    void rightButtonNeverLooksPressed();
    void dragOutLooksReleased();
    void keys_data();
    void keys();
    void heldSpaceClicksOnce();
    void accessKeyClicks();
    void disabledIgnoresClicks();
    void hoverPicture();
    void toolTipNamesTheButton();

private:
    KorvelButton *m_button = nullptr;
};

void tst_KorvelButton::init()
{
    m_button = new KorvelButton;
    m_button->setText(QStringLiteral("开始(&S)"));
    m_button->resize(80, 30);
    m_button->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_button));
    m_button->activateWindow();
    m_button->setFocus();
}

void tst_KorvelButton::cleanup()
{
    delete m_button;
    m_button = nullptr;
}

void tst_KorvelButton::mouse_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left click inside") << Qt::LeftButton << QPoint(40, 15) << 1;
    QTest::newRow("middle click inside") << Qt::MiddleButton << QPoint(40, 15) << 1;
    QTest::newRow("released outside") << Qt::LeftButton << QPoint(200, 15) << 0;
    QTest::newRow("right click") << Qt::RightButton << QPoint(40, 15) << 0;
}

void tst_KorvelButton::mouse()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::mousePress(m_button, button, {}, QPoint(40, 15));
    QTest::mouseRelease(m_button, button, {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
    QVERIFY(!m_button->isDown());
}

void tst_KorvelButton::rightButtonNeverLooksPressed()
{
    QTest::mousePress(m_button, Qt::RightButton, {}, QPoint(40, 15));
    QVERIFY(!m_button->isDown());
    QTest::mouseRelease(m_button, Qt::RightButton, {}, QPoint(40, 15));
}

void tst_KorvelButton::dragOutLooksReleased()
{
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QVERIFY(m_button->isDown());
    QTest::mouseMove(m_button, QPoint(200, 15));
    QVERIFY(!m_button->isDown());
    QTest::mouseMove(m_button, QPoint(40, 15));
    QVERIFY(m_button->isDown());
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 15));
}

void tst_KorvelButton::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("downWhileHeld");

    QTest::newRow("Enter") << int(Qt::Key_Return) << 1 << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1 << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << 1 << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << 0 << false;
}

void tst_KorvelButton::keys()
{
    QFETCH(int, key);
    QFETCH(int, clicks);
    QFETCH(bool, downWhileHeld);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyPress(m_button, Qt::Key(key));
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(m_button->isDown(), downWhileHeld);
    QTest::keyRelease(m_button, Qt::Key(key));
    QVERIFY(!m_button->isDown());
}

void tst_KorvelButton::heldSpaceClicksOnce()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyPress(m_button, Qt::Key_Space);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(m_button, &again);
    }
    QCOMPARE(clicked.count(), 1);
    QVERIFY(m_button->isDown());
    QTest::keyRelease(m_button, Qt::Key_Space);
    QVERIFY(!m_button->isDown());
}

void tst_KorvelButton::accessKeyClicks()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyClick(m_button, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void tst_KorvelButton::disabledIgnoresClicks()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    m_button->setEnabled(false);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::keyClick(m_button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 0);
}

void tst_KorvelButton::hoverPicture()
{
    QPixmap normal(16, 16);
    normal.fill(Qt::red);
    QPixmap hover(16, 16);
    hover.fill(Qt::green);
    m_button->setPicture(normal);
    m_button->setPictureHover(hover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_button, &leave); // the pointer may rest on it from an earlier test
    QSignalSpy in(m_button, &KorvelButton::mouseIn);
    QSignalSpy out(m_button, &KorvelButton::mouseOut);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), m_button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(m_button, &enter);
    QVERIFY(m_button->isHovered());
    QCOMPARE(m_button->shownPicture().toImage(), hover.toImage());
    QCOMPARE(in.count(), 1);

    QApplication::sendEvent(m_button, &leave);
    QCOMPARE(m_button->shownPicture().toImage(), normal.toImage());
    QCOMPARE(out.count(), 1);
}

void tst_KorvelButton::toolTipNamesTheButton()
{
    m_button->setText(QString());
    m_button->setToolTip(QStringLiteral("系统设置"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_button);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("系统设置"));
    QCOMPARE(accessible->role(), QAccessible::Button);
}

QTEST_MAIN(tst_KorvelButton)
#include "tst_korvelbutton.moc"
