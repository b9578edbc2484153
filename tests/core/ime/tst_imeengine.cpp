// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeEngine.h"

#include <QtTest>

#include <optional>

// Key sequences through the shipped tables. Keys are written as typed, with
// "\b" for Backspace, "\x1b" for Esc and "\r" for Enter.
class tst_ImeEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keySequences_data();
    void keySequences();
    void wildcardShowsCodes();
    void pagesTurn();
    void keysWithoutCompositionGoOn();
    void otherKeyCommitsFirstAndGoesOn();
    void chinesePunctuation_data();
    void chinesePunctuation();

private:
    const ImeTable &table(ImeEngine::Method method) const
    {
        return method == ImeEngine::Method::Wubi ? *m_wubi : *m_pinyin;
    }

    std::optional<ImeTable> m_wubi;
    std::optional<ImeTable> m_pinyin;
};

void tst_ImeEngine::initTestCase()
{
    m_wubi = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/wubi86.tbl"));
    m_pinyin = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/pinyin.tbl"));
    QVERIFY(m_wubi && m_pinyin);
}

void tst_ImeEngine::keySequences_data()
{
    QTest::addColumn<ImeEngine::Method>("method");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("commits"); // one per committing key, in order
    QTest::addColumn<QString>("composition"); // left at the end

    const auto wubi = ImeEngine::Method::Wubi;
    const auto pinyin = ImeEngine::Method::Pinyin;
    QTest::newRow("full code commits at the fourth key") << wubi << "wqiy" << QStringList{"你"} << "";
    QTest::newRow("full code, one key short, waits") << wubi << "wqi" << QStringList{} << "wqi";
    QTest::newRow("second-level short code and Space") << wubi << "wq " << QStringList{"你"} << "";
    QTest::newRow("first-level short code and Space") << wubi << "g " << QStringList{"一"} << "";
    QTest::newRow("unique full code") << wubi << "ggll" << QStringList{"一"} << "";
    QTest::newRow("full code of 同") << wubi << "mgkd" << QStringList{"同"} << "";
    QTest::newRow("phrase by its four letters") << wubi << "trwu" << QStringList{"我们"} << "";
    QTest::newRow("fifth letter commits and starts anew") << wubi << "adntg" << QStringList{"藏"} << "g";
    QTest::newRow("two characters sharing a code wait") << wubi << "adnt" << QStringList{} << "adnt";
    QTest::newRow("digit picks the second") << wubi << "adnt2" << QStringList{"茂"} << "";
    QTest::newRow("Backspace edits") << wubi << "wqx\b " << QStringList{"你"} << "";
    QTest::newRow("Esc clears") << wubi << "wqi\x1b" << QStringList{} << "";
    QTest::newRow("Enter commits the letters") << wubi << "wq\r" << QStringList{"wq"} << "";
    QTest::newRow("a code of nothing keeps its letters") << wubi << "yyyv " << QStringList{} << "yyyv";
    QTest::newRow("pinyin phrase") << pinyin << "nihao " << QStringList{"你好"} << "";
    QTest::newRow("pinyin leading part leaves the rest") << pinyin << "woxq " << QStringList{"我"} << "xq";
}

void tst_ImeEngine::keySequences()
{
    QFETCH(ImeEngine::Method, method);
    QFETCH(QString, keys);
    QFETCH(QStringList, commits);
    QFETCH(QString, composition);

    ImeEngine engine(table(method), method);
    QStringList committed;
    for (QChar key : keys) {
        const ImeEngine::Result result = engine.key(key);
        QVERIFY2(result.handled, qPrintable(QStringLiteral("key %1").arg(key.unicode())));
        if (!result.commit.isEmpty())
            committed << result.commit;
    }
    QCOMPARE(committed, commits);
    QCOMPARE(engine.composition(), composition);
}

void tst_ImeEngine::wildcardShowsCodes()
{
    ImeEngine engine(table(ImeEngine::Method::Wubi), ImeEngine::Method::Wubi);
    for (QChar key : QStringLiteral("wqiz"))
        engine.key(key);
    const QList<ImeEngine::Candidate> shown = engine.candidates();
    QVERIFY(!shown.isEmpty());
    // 您 (wqin) outweighs 你 (wqiy).
    QCOMPARE(shown.at(0).text, QStringLiteral("您"));
    QCOMPARE(shown.at(0).code, QStringLiteral("wqin"));
    QCOMPARE(shown.at(1).text, QStringLiteral("你"));
    QCOMPARE(shown.at(1).code, QStringLiteral("wqiy"));
    for (const ImeEngine::Candidate &candidate : shown)
        QVERIFY2(candidate.code.startsWith(QStringLiteral("wqi")) && candidate.code.size() == 4,
                 qPrintable(candidate.code));
}

void tst_ImeEngine::pagesTurn()
{
    ImeEngine engine(table(ImeEngine::Method::Pinyin), ImeEngine::Method::Pinyin);
    engine.key(u'y');
    QVERIFY(engine.pageCount() > 1);
    const QString firstOfPage1 = engine.candidates().first().text;
    engine.key(u'-');
    QCOMPARE(engine.page(), 0);
    engine.key(u'=');
    QCOMPARE(engine.page(), 1);
    QVERIFY(engine.candidates().first().text != firstOfPage1);
    const QString secondOnPage2 = engine.candidates().at(1).text;
    QCOMPARE(engine.key(u'2').commit, secondOnPage2);
}

void tst_ImeEngine::keysWithoutCompositionGoOn()
{
    ImeEngine engine(table(ImeEngine::Method::Wubi), ImeEngine::Method::Wubi);
    for (QChar key : QStringLiteral(" 1-=\b\x1b\r/A@"))
        QCOMPARE(engine.key(key), ImeEngine::Result{});
}

void tst_ImeEngine::otherKeyCommitsFirstAndGoesOn()
{
    ImeEngine engine(table(ImeEngine::Method::Wubi), ImeEngine::Method::Wubi);
    engine.key(u'w');
    engine.key(u'q');
    const ImeEngine::Result result = engine.key(u'/');
    QCOMPARE(result, (ImeEngine::Result{false, QStringLiteral("你"), QStringLiteral("wq"), {}}));
    QVERIFY(!engine.isComposing());
}

void tst_ImeEngine::chinesePunctuation_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text"); // what reaches the box: commits, punctuation and keys passed on

    QTest::newRow("comma and full stop") << "wq,wq." << "你，你。";
    QTest::newRow("alone") << ";:?!\\" << "；：？！、";
    QTest::newRow("brackets and title marks") << "()[]<>" << "（）【】《》";
    QTest::newRow("quotes alternate") << "\"wq\"'wq'" << "“你”‘你’";
    QTest::newRow("ellipsis and dash") << "^_" << "……——";
    QTest::newRow("numbers keep their marks") << "3.14,1,000 ." << "3.14,1,000 。";
    QTest::newRow("a dead end gives way") << "yyyv," << "，";
}

void tst_ImeEngine::chinesePunctuation()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);

    ImeEngine engine(table(ImeEngine::Method::Wubi), ImeEngine::Method::Wubi);
    QString entered;
    for (QChar key : keys) {
        const ImeEngine::Result result = engine.key(key);
        entered += result.commit + result.punctuation;
        if (!result.handled)
            entered += key;
    }
    QCOMPARE(entered, text);
}

QTEST_GUILESS_MAIN(tst_ImeEngine)
#include "tst_imeengine.moc"
