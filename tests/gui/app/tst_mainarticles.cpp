// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/MainWindow.h"
#include "gui/practice/PracticePanel.h"
#include "gui/results/ResultPanel.h"
#include "gui/results/ResultTableView.h"
#include "gui/results/SaveLogDialog.h"
#include "widgets/InputBox.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The road of one article exercise through the main window: an article is
// chosen from the English menu, typed to its end in either view, the result
// saved, and the record found in the result table.
class tst_MainArticles : public QObject
{
    Q_OBJECT

private slots:
    void articleToResultTable_data();
    void articleToResultTable();
    void articleWhosePathCannotBeKeptIsRefused();
};

void tst_MainArticles::articleToResultTable_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QByteArray>("article");
    QTest::addColumn<QString>("keys");        // the last character typed wrong
    QTest::addColumn<QString>("inputShown");  // the statistics bar's input line, "" when none
    QTest::addColumn<QString>("keystrokes");  // the save dialog's 击键/码长 line, "" when none

    QTest::newRow("normal view") << 0 << QByteArray("abc") << "abx" << "" << "";
    QTest::newRow("abreast view") << 1 << QByteArray("abc") << "abx" << "" << "";
    // The built-in Wubi input types a Chinese article from letters alone.
    QTest::newRow("Chinese, built-in input, normal view")
        << 0 << QByteArray("\xc4\xe3\xcd\xac") << "wqiywqiy" << "内置五笔" << "/4.00";
    QTest::newRow("Chinese, built-in input, abreast view")
        << 1 << QByteArray("\xc4\xe3\xcd\xac") << "wqiywqiy" << "内置五笔" << "/4.00";
}

void tst_MainArticles::articleToResultTable()
{
    QFETCH(int, window);
    QFETCH(QByteArray, article);
    QFETCH(QString, keys);
    QFETCH(QString, inputShown);
    QFETCH(QString, keystrokes);

    TestFolder userFolder;
    TestFolder files;
    files.write(QStringLiteral("short.txt"), article); // "你同" in GBK
    MainWindowRig rig(QStringLiteral(QINTARA_SHIPPED_DATA_DIR), userFolder.path());
    rig.session.settings.Window = qint16(window);
    rig.session.settings.BuiltInInput = QStringLiteral("开");
    rig.session.settings.InputMeans = QStringLiteral("五笔");
    QVERIFY(rig.open());
    MainWindow *main = rig.window();

    const bool chinese = !inputShown.isEmpty();
    rig.files.answerNext(files.file(QStringLiteral("short.txt")));
    main->SmartNetXpButtonm_Click(chinese ? 2 : 1, 4);
    QVERIFY(main->Frame9()->isVisible());
    QCOMPARE(main->shell().currentMode, chinese ? PracticeMode::ChineseArticle : PracticeMode::EnglishArticle);
    auto *box = qobject_cast<InputBox *>(QApplication::focusWidget());
    QVERIFY(box);
    const auto *inputLine = main->findChild<QLabel *>(QStringLiteral("Lab_shurufa"));
    QCOMPARE(inputLine->isVisible() ? inputLine->text() : QString(), inputShown);

    // The save dialog opens modally on the last key: save, then close it.
    bool saved = false;
    QString keystrokesShown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<SaveLogDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<SaveLogDialog *>(QApplication::activeModalWidget());
        const auto *figures = dialog->findChild<QLabel *>(QStringLiteral("keystrokes"));
        keystrokesShown = figures ? figures->text().mid(figures->text().indexOf(u'/')) : QString();
        dialog->KorvelButton1_Click();
        saved = dialog->isSaved();
        dialog->KorvelButton2_Click();
    });
    QTest::keyClicks(box, keys);
    QTRY_VERIFY(saved);
    QCOMPARE(keystrokesShown, keystrokes);
    QCOMPARE(rig.prompter.texts(), QStringList { QStringLiteral("数据保存成功 ！") });
    QCOMPARE(QFileInfo(userFolder.file(chinese ? QStringLiteral("Cgrade.dat") : QStringLiteral("Egrade.dat"))).size(), 30);
    QVERIFY(main->Picture11()->isVisible());

    main->SmartNetXpButtonm_Click(5, 1);
    QVERIFY(main->Frame10()->isVisible());
    const auto rows = chinese ? main->Frame10()->ListView2()->rows() : main->Frame10()->ListView1()->rows();
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows.first().contains(chinese ? QStringLiteral("2") : QStringLiteral("3")), qPrintable(rows.first().join(u'|')));
}

// The chosen article's path is stored in the settings at the end of the run;
// one too long to come back is refused when chosen.
void tst_MainArticles::articleWhosePathCannotBeKeptIsRefused()
{
    TestFolder userFolder;
    TestFolder files;
    const QString name = QStringLiteral("青檀打字练习软件第四版安装程序文件夹目录");
    const QString path = files.file(name + '/' + name + '/' + name + QStringLiteral("/short.txt"));
    files.write(QDir(files.path()).relativeFilePath(path), QByteArrayLiteral("abc"));
    MainWindowRig rig(QStringLiteral(QINTARA_SHIPPED_DATA_DIR), userFolder.path());
    QVERIFY(rig.open({ .wait = MainWindowRig::Wait::None }));
    MainWindow *main = rig.window();

    rig.files.answerNext(path);
    main->SmartNetXpButtonm_Click(1, 4);
    QCOMPARE(rig.prompter.asked().size(), 1);
    QVERIFY2(rig.prompter.texts().first().startsWith(QStringLiteral("文件的路径太长")),
             qPrintable(rig.prompter.texts().first()));
    QCOMPARE(rig.prompter.asked().first().icon, Prompter::Icon::Warning);
    QVERIFY(main->shell().currentMode != PracticeMode::EnglishArticle);
    QVERIFY(rig.session.settings.Earticle.isEmpty());
}

QTEST_MAIN(tst_MainArticles)
#include "tst_mainarticles.moc"
