// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/CharacterPool.h"
#include "core/material/WordListDraw.h"

#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QTest>

using Status = WordListDraw::Status;

class tst_WordListDraw : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void draw_data();
    void draw();
    void emptyLinesAreNeverDrawn();
    void loadPool_data();
    void loadPool();
    void missingPool();

private:
    std::unique_ptr<TestFolder> m_program;
};

void tst_WordListDraw::init()
{
    m_program = std::make_unique<TestFolder>();
    m_program->copyFixture(QStringLiteral("material/program"));
}

void tst_WordListDraw::draw_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("random");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("hint");

    QTest::newRow("first word") << "English/word/animals.txt" << 1 << 0.0 << Status::Drawn << "cat" << "猫";
    QTest::newRow("last word, after an empty line")
        << "English/word/animals.txt" << 1 << 0.99 << Status::Drawn << "bird" << "鸟";
    QTest::newRow("number word") << "English/number.txt" << 1 << 0.6 << Status::Drawn << "two" << "二";
    QTest::newRow("phrase") << "chinese/五笔/phrase/二字词组.txt" << 2 << 0.6 << Status::Drawn << "工人" << "aaww";
    QTest::newRow("phrase with spaces") << "chinese/五笔/phrase/带空格.txt" << 2 << 0.0 << Status::Drawn << "中 国 " << "khlg";
    QTest::newRow("file without lines") << "English/word/empty.txt" << 1 << 0.0 << Status::NoData << "" << "";
    QTest::newRow("file of empty lines") << "English/word/blank lines.txt" << 1 << 0.0 << Status::NoData << "" << "";
    QTest::newRow("line without #") << "English/word/no hash.txt" << 1 << 0.0 << Status::NoHash << "" << "";
    QTest::newRow("missing file") << "English/word/gone.txt" << 1 << 0.0 << Status::Unreadable << "" << "";
}

void tst_WordListDraw::draw()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    QFETCH(double, random);
    QFETCH(Status, status);
    QFETCH(QString, target);
    QFETCH(QString, hint);

    ScriptedRandom source({ random });
    const WordListDraw drawn = WordListDraw::draw(m_program->file(file), DrillLine::Format(format), source);
    QCOMPARE(drawn.status, status);
    QCOMPARE(drawn.line, (DrillLine { target, hint }));
}

void tst_WordListDraw::emptyLinesAreNeverDrawn()
{
    ScriptedRandom source;
    for (int i = 0; i < 30; ++i)
        source.append(i / 30.0);
    QSet<QString> drawn;
    for (int i = 0; i < 30; ++i) {
        const WordListDraw word = WordListDraw::draw(m_program->file(QStringLiteral("English/word/animals.txt")),
                                                     DrillLine::Hash, source);
        QCOMPARE(word.status, Status::Drawn);
        drawn.insert(word.line.target);
    }
    QCOMPARE(drawn, (QSet<QString> { "cat", "dog", "bird" }));
}

void tst_WordListDraw::loadPool_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pool");

    QTest::newRow("one line") << "chinese/五笔/word/三字.txt" << "天地人";
    QTest::newRow("line breaks are not characters") << "chinese/五笔/word/多行.TXT" << "日月星";
    QTest::newRow("empty file") << "chinese/五笔/word/空.txt" << "";
    QTest::newRow("number characters") << "chinese/number.txt" << "一二三";
}

void tst_WordListDraw::loadPool()
{
    QFETCH(QString, file);
    QFETCH(QString, pool);
    QCOMPARE(CharacterPool::load(m_program->file(file)), std::optional<QString>(pool));
}

void tst_WordListDraw::missingPool()
{
    QString error;
    QCOMPARE(CharacterPool::load(m_program->file(QStringLiteral("chinese/gone.txt")), &error), std::nullopt);
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(tst_WordListDraw)
#include "tst_wordlistdraw.moc"
