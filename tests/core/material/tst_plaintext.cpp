// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/PlainText.h"

#include "TestFolder.h"

#include <QTest>

class tst_PlainText : public QObject
{
    Q_OBJECT

private slots:
    void ReadPlainText_data();
    void ReadPlainText();
    void missingFileGivesEmptyText();
};

void tst_PlainText::ReadPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("lines joined") << QByteArray("one\r\ntwo\r\n") << "onetwo";
    QTest::newRow("trailing and leading spaces vanish at the join")
        << QByteArray("end \r\n start\r\n") << "endstart";
    QTest::newRow("empty lines skipped") << QByteArray("a\r\n\r\n\r\nb") << "ab";
    QTest::newRow("line of spaces adds nothing") << QByteArray("a\r\n   \r\nb") << "ab";
    QTest::newRow("tabs stay") << QByteArray("\ta\t\r\n") << "\ta\t";
    QTest::newRow("GBK text") << QByteArray("\xd6\xd0\xce\xc4 \r\n \xd7\xd6") << "中文字";
    QTest::newRow("LF line ends") << QByteArray("a\nb\n") << "ab";
    QTest::newRow("empty file") << QByteArray() << "";
}

void tst_PlainText::ReadPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    TestFolder folder;
    folder.write(QStringLiteral("text.txt"), bytes);
    QCOMPARE(::ReadPlainText(folder.file(QStringLiteral("text.txt"))), text);
}

void tst_PlainText::missingFileGivesEmptyText()
{
    TestFolder folder;
    QCOMPARE(::ReadPlainText(folder.file(QStringLiteral("missing.txt"))), QString());
}

QTEST_GUILESS_MAIN(tst_PlainText)
#include "tst_plaintext.moc"
