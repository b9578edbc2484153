// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/AboutBox.h"

#include "core/users/AccountsLocation.h"

#include "RecordingUrlOpener.h"

#include <QLabel>
#include <QTest>

class tst_AboutBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lines();
    void secrets_data();
    void secrets();
    void mailLineStartsAMail();
    void clickOnTheBoxClosesIt();

private:
    QLabel *label(const QString &name) const { return m_box->findChild<QLabel *>(name); }

    RecordingUrlOpener m_urls;
    AboutBox *m_box = nullptr;
};

void tst_AboutBox::init()
{
    m_urls.opened.clear();
    AccountsLocation accounts;
    accounts.place = AccountsLocation::Place::DataHome;
    accounts.path = QStringLiteral("/home/anna/.local/share/qintara/user");
    m_box = new AboutBox(m_urls, accounts);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
}

void tst_AboutBox::cleanup()
{
    delete m_box;
}

void tst_AboutBox::lines()
{
    QCOMPARE(m_box->objectName(), QStringLiteral("Frmabout"));
    QVERIFY(!m_box->windowTitle().isEmpty());
    QCOMPARE(label(QStringLiteral("Label2"))->text(), QStringLiteral("版　本：4.8 Build 1001"));
    QVERIFY(!label(QStringLiteral("Image2"))->isVisible());
    QVERIFY(!label(QStringLiteral("Label6"))->isVisible());
    // Which accounts folder is in use: beside the program or in the data home.
    QCOMPARE(label(QStringLiteral("Label7"))->text(),
             QStringLiteral("用户数据：/home/anna/.local/share/qintara/user"));
    QVERIFY(label(QStringLiteral("Label7"))->isVisible());
}

void tst_AboutBox::secrets_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("doubleClick"); // else a right click with Shift held
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("notice");

    QTest::newRow("double click on the version line") << "Label2" << true << true << false;
    QTest::newRow("shift right click on the version line") << "Label2" << false << true << false;
    QTest::newRow("shift right click on the author line") << "Label3" << false << false << true;
    QTest::newRow("double click on the author line") << "Label3" << true << false << false;
}

void tst_AboutBox::secrets()
{
    QFETCH(QString, line);
    QFETCH(bool, doubleClick);
    QFETCH(bool, picture);
    QFETCH(bool, notice);

    if (doubleClick)
        QTest::mouseDClick(label(line), Qt::LeftButton);
    else
        QTest::mouseClick(label(line), Qt::RightButton, Qt::ShiftModifier);
    QVERIFY(m_box->isVisible());
    QCOMPARE(label(QStringLiteral("Image2"))->isVisible(), picture);
    QCOMPARE(label(QStringLiteral("Label6"))->isVisible(), notice);

    // A click on the picture hides both again.
    QTest::mouseClick(label(QStringLiteral("Image1")), Qt::LeftButton);
    QVERIFY(m_box->isVisible());
    QVERIFY(!label(QStringLiteral("Image2"))->isVisible());
    QVERIFY(!label(QStringLiteral("Label6"))->isVisible());
    // Which accounts folder is in use: beside the program or in the data home.
    QCOMPARE(label(QStringLiteral("Label7"))->text(),
             QStringLiteral("用户数据：/home/anna/.local/share/qintara/user"));
    QVERIFY(label(QStringLiteral("Label7"))->isVisible());
}

void tst_AboutBox::mailLineStartsAMail()
{
    QTest::mouseClick(label(QStringLiteral("Label5")), Qt::LeftButton);
    QCOMPARE(m_urls.opened.size(), 1);
    QVERIFY(m_urls.opened.first().startsWith(u"mailto:"));
    QVERIFY(m_box->isVisible());
}

void tst_AboutBox::clickOnTheBoxClosesIt()
{
    QTest::mouseClick(m_box, Qt::LeftButton, {}, QPoint(m_box->width() - 10, m_box->height() - 10));
    QVERIFY(!m_box->isVisible());
    QCOMPARE(m_box->result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_AboutBox)
#include "tst_aboutbox.moc"
