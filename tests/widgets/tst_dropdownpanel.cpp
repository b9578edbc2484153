// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/DropDownPanel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_DropDownPanel : public QObject
{
    Q_OBJECT

private slots:
    void greyOnePixelFrame();
    void marginHoverIsReported();
};

void tst_DropDownPanel::greyOnePixelFrame()
{
    DropDownPanel panel;
    panel.resize(120, 80);
    const QImage image = panel.grab().toImage();
    const QColor grey(128, 128, 128);
    for (const QPoint corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 79), QPoint(119, 79), QPoint(60, 0),
                                QPoint(0, 40), QPoint(119, 40), QPoint(60, 79)})
        QCOMPARE(image.pixelColor(corner), grey);
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(118, 78), QColor(Qt::white));
}

void tst_DropDownPanel::marginHoverIsReported()
{
    DropDownPanel panel;
    panel.resize(120, 80);
    auto *entry = new QPushButton(QStringLiteral("entry"), &panel);
    entry->setGeometry(2, 0, 116, 24);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    QSignalSpy margin(&panel, &DropDownPanel::marginHovered);
    QTest::mouseMove(&panel, QPoint(60, 60));
    QTRY_COMPARE(margin.count(), 1);
}

QTEST_MAIN(tst_DropDownPanel)
#include "tst_dropdownpanel.moc"
