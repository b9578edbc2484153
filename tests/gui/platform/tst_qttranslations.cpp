// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/QtTranslations.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_QtTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void standardButtonsInChinese_data();
    void standardButtonsInChinese();
    void textBoxMenuInChinese();
};

void tst_QtTranslations::initTestCase()
{
    QVERIFY2(installQtTranslations(*qApp), "qtbase_zh_CN.qm is missing: install qt6-translations-l10n");
}

void tst_QtTranslations::standardButtonsInChinese_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<QString>("text");

    QTest::newRow("yes") << QMessageBox::Yes << "是(&Y)";
    QTest::newRow("no") << QMessageBox::No << "否(&N)";
    QTest::newRow("ok") << QMessageBox::Ok << "确定";
    QTest::newRow("cancel") << QMessageBox::Cancel << "取消";
}

void tst_QtTranslations::standardButtonsInChinese()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(QString, text);
    QMessageBox box(QMessageBox::Question, "提示", "退出？", button);
    QCOMPARE(box.button(button)->text(), text);
}

void tst_QtTranslations::textBoxMenuInChinese()
{
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts.append(action->text());
    QVERIFY2(texts.join('|').contains("粘贴"), qPrintable(texts.join('|')));
}

QTEST_MAIN(tst_QtTranslations)
#include "tst_qttranslations.moc"
