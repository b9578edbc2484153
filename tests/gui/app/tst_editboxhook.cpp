// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/DelayTimer.h"
#include "gui/app/EditBoxHook.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

class tst_EditBoxHook : public QObject
{
    Q_OBJECT

private slots:
    void rightButtonIsSwallowed();
    void unhookedBoxIsLeftAlone();
    void delayLetsEventsRun();
};

namespace {

// Counts the mouse presses and context-menu requests that reach a box.
class CountingBox : public QLineEdit
{
public:
    int presses = 0;
    int menus = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        QLineEdit::mousePressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        ++menus;
        event->accept();
    }
};

} // namespace

void tst_EditBoxHook::rightButtonIsSwallowed()
{
    CountingBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    EditBoxHook hook;
    int handled = 0;
    hook.HookEditBox(&box, [&](QWidget *widget, const QPoint &) {
        QCOMPARE(widget, &box);
        ++handled;
    });
    QVERIFY(hook.isHooked(&box));

    QTest::mouseClick(&box, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &menu);
    QCOMPARE(box.presses, 0);
    QCOMPARE(box.menus, 0);
    QCOMPARE(handled, 1);

    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(box.presses, 1);
}

void tst_EditBoxHook::unhookedBoxIsLeftAlone()
{
    CountingBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    EditBoxHook hook;
    hook.HookEditBox(&box);
    hook.UnhookEditBox(&box);
    QVERIFY(!hook.isHooked(&box));
    QTest::mouseClick(&box, Qt::RightButton);
    QCOMPARE(box.presses, 1);
}

void tst_EditBoxHook::delayLetsEventsRun()
{
    DelayTimer delay;
    bool ranMeanwhile = false;
    bool timerOnMeanwhile = false;
    QTimer::singleShot(0, this, [&] {
        ranMeanwhile = true;
        timerOnMeanwhile = delay.tmrDelay().isActive();
    });
    delay.Delay(2);
    QVERIFY(ranMeanwhile);
    QVERIFY(timerOnMeanwhile);
    QVERIFY(!delay.tmrDelay().isActive());
    QCOMPARE(delay.tmrDelay().interval(), 50);
}

QTEST_MAIN(tst_EditBoxHook)
#include "tst_editboxhook.moc"
