// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/UserNameRules.h"

#include <QTest>

using UserNameRules::Problem;

class tst_UserNameRules : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void messages_data();
    void messages();
};

void tst_UserNameRules::check_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Problem>("expected");

    QTest::newRow("a1") << "a1" << Problem::None;
    QTest::newRow("Chinese name") << "张三" << Problem::None;
    QTest::newRow("inner space and dot") << "Anna B. Li" << Problem::None;
    QTest::newRow("empty") << "" << Problem::Empty;
    QTest::newRow("0abc") << "0abc" << Problem::LeadingDigit;
    QTest::newRow("9abc") << "9abc" << Problem::LeadingDigit;
    QTest::newRow("5abc") << "5abc" << Problem::LeadingDigit;
    QTest::newRow("full-width digit is no ASCII digit") << "５abc" << Problem::None;
    QTest::newRow("digit check comes first") << "1/x" << Problem::LeadingDigit;
    QTest::newRow("slash") << "a/b" << Problem::ForbiddenCharacter;
    QTest::newRow("backslash") << "a\\b" << Problem::ForbiddenCharacter;
    QTest::newRow("climbing path") << "..\\..\\x" << Problem::ForbiddenCharacter;
    QTest::newRow("colon") << "c:x" << Problem::ForbiddenCharacter;
    QTest::newRow("star") << "a*" << Problem::ForbiddenCharacter;
    QTest::newRow("question mark") << "a?" << Problem::ForbiddenCharacter;
    QTest::newRow("quote") << "a\"b" << Problem::ForbiddenCharacter;
    QTest::newRow("angle brackets") << "<a>" << Problem::ForbiddenCharacter;
    QTest::newRow("bar") << "a|b" << Problem::ForbiddenCharacter;
    QTest::newRow("tab") << "a\tb" << Problem::ForbiddenCharacter;
    QTest::newRow("line feed") << "a\nb" << Problem::ForbiddenCharacter;
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << Problem::ForbiddenCharacter;
    QTest::newRow("DEL") << "a\x7f" << Problem::ForbiddenCharacter;
    QTest::newRow("character GBK cannot hold") << "a😀" << Problem::ForbiddenCharacter;
    QTest::newRow("dot") << "." << Problem::EdgeSpaceOrDot;
    QTest::newRow("dot dot") << ".." << Problem::EdgeSpaceOrDot;
    QTest::newRow("leading dot hides the folder") << ".anna" << Problem::EdgeSpaceOrDot;
    QTest::newRow("trailing dot Windows drops") << "anna." << Problem::EdgeSpaceOrDot;
    QTest::newRow("leading space") << " anna" << Problem::EdgeSpaceOrDot;
    QTest::newRow("trailing space") << "anna " << Problem::EdgeSpaceOrDot;
    QTest::newRow("trailing ideographic space") << "张三　" << Problem::EdgeSpaceOrDot;
    QTest::newRow("device name") << "con" << Problem::ReservedName;
    QTest::newRow("device name with extension") << "Lpt1.txt" << Problem::ReservedName;
    QTest::newRow("device name inside a longer name") << "console" << Problem::None;
    QTest::newRow("numbered device name") << "com9" << Problem::ReservedName;
    QTest::newRow("device name with two extensions") << "Nul.tar.gz" << Problem::ReservedName;
    QTest::newRow("port number 0 is no device") << "LPT0" << Problem::None;
    QTest::newRow("255 bytes") << QString(255, 'a') << Problem::None;
    QTest::newRow("256 bytes") << QString(256, 'a') << Problem::TooLong;
    QTest::newRow("85 Chinese characters, 255 bytes") << QString(85, QChar(0x5f20)) << Problem::None;
    QTest::newRow("86 Chinese characters, 258 bytes") << QString(86, QChar(0x5f20)) << Problem::TooLong;
}

void tst_UserNameRules::check()
{
    QFETCH(QString, name);
    QFETCH(Problem, expected);
    QCOMPARE(UserNameRules::check(name), expected);
}

void tst_UserNameRules::messages_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("expected"); // empty: any text that names the user name

    QTest::newRow("empty") << Problem::Empty << "用户名不能为空 ！";
    QTest::newRow("leading digit") << Problem::LeadingDigit << "用户名首字符不能为数字 ！";
    QTest::newRow("forbidden character") << Problem::ForbiddenCharacter << "";
    QTest::newRow("edge") << Problem::EdgeSpaceOrDot << "";
    QTest::newRow("reserved") << Problem::ReservedName << "";
    QTest::newRow("too long") << Problem::TooLong << "";
    QTest::newRow("none") << Problem::None << "-";
}

void tst_UserNameRules::messages()
{
    QFETCH(Problem, problem);
    QFETCH(QString, expected);
    const QString text = UserNameRules::message(problem);
    if (expected == "-")
        QVERIFY(text.isEmpty());
    else if (expected.isEmpty())
        QVERIFY(text.startsWith("用户名"));
    else
        QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(tst_UserNameRules)
#include "tst_usernamerules.moc"
