// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultFile.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QFile>
#include <QTest>

class tst_ResultFile : public QObject
{
    Q_OBJECT

private slots:
    void recordCount_data();
    void recordCount();
    void readsWindowsFile();
    void readsRange_data();
    void readsRange();
    void cutOffFileCountsRoundedRecords();
    void missingFile();
    void createKeepsExistingFile();
    void fileNamesPerLanguage();
    void append_data();
    void append();
    void appendOnFullDiskLeavesFileAsItWas_data();
    void appendOnFullDiskLeavesFileAsItWas();
    void unreadableFile();
    void moreThan32767Records();
};

namespace {

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

GradeRecord newRecord()
{
    return GradeRecord {"25-06-05", "00:00:41", 30, 43, 29, 1, "96.66%"};
}

} // namespace

void tst_ResultFile::recordCount_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("count");

    QTest::newRow("empty") << qint64(0) << qint64(0);
    QTest::newRow("half a record rounds to even: 0") << qint64(15) << qint64(0);
    QTest::newRow("just over half") << qint64(16) << qint64(1);
    QTest::newRow("one record") << qint64(30) << qint64(1);
    QTest::newRow("44 bytes") << qint64(44) << qint64(1);
    QTest::newRow("45 bytes: 1.5 rounds to 2") << qint64(45) << qint64(2);
    QTest::newRow("75 bytes: 2.5 rounds to 2") << qint64(75) << qint64(2);
    QTest::newRow("105 bytes: 3.5 rounds to 4") << qint64(105) << qint64(4);
    QTest::newRow("past the 16-bit count") << qint64(40000) * 30 << qint64(40000);
}

void tst_ResultFile::recordCount()
{
    QFETCH(qint64, size);
    QFETCH(qint64, count);
    QCOMPARE(ResultFile::recordCount(size), count);
}

void tst_ResultFile::readsWindowsFile()
{
    TestFolder folder;
    folder.write("Egrade.dat", fixture("windows-egrade.dat"));
    const ResultFile file(folder.file("Egrade.dat"));

    QCOMPARE(file.count(), 3);
    const std::optional<QList<GradeRecord>> records = file.readAll();
    QVERIFY(records);
    QCOMPARE(records->size(), 3);
    QCOMPARE(records->at(0), (GradeRecord {"25-06-03", "00:05:23", 240, 44, 236, 4, "98.33%"}));
    QCOMPARE(records->at(1).Accuracy, QString("100%  "));
    QCOMPARE(records->at(2).InputCount, qint16(32767));
    QCOMPARE(records->at(2).WrongCount, qint16(-3));
}

// The chart reads seven records from where its scroll bar stands.
void tst_ResultFile::readsRange_data()
{
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QList<int>>("speeds");

    QTest::newRow("newest seven") << qint64(14) << qint64(7) << QList<int> {250, 0, 60, 70, 80, 90, 48};
    QTest::newRow("oldest seven") << qint64(1) << qint64(7) << QList<int> {5, 20, 26, 48, 51, 100, 101};
    QTest::newRow("runs past the end") << qint64(18) << qint64(7) << QList<int> {80, 90, 48};
    QTest::newRow("starts past the end") << qint64(21) << qint64(7) << QList<int> {};
    QTest::newRow("record 0 does not exist") << qint64(0) << qint64(7) << QList<int> {};
}

void tst_ResultFile::readsRange()
{
    QFETCH(qint64, first);
    QFETCH(qint64, count);
    QFETCH(QList<int>, speeds);

    TestFolder folder;
    folder.write("Cgrade.dat", fixture("cgrade-20.dat"));
    const std::optional<QList<GradeRecord>> records
        = ResultFile(folder.file("Cgrade.dat")).read(first, count);
    QVERIFY(records);
    QList<int> read;
    for (const GradeRecord &record : *records)
        read.append(record.AverageSpeed);
    QCOMPARE(read, speeds);
    if (!records->isEmpty())
        QCOMPARE(records->first().Date, QString("25-06-%1").arg(first, 2, 10, QChar('0')));
}

// 45 bytes: the second record is cut off after its date and most of its time.
void tst_ResultFile::cutOffFileCountsRoundedRecords()
{
    TestFolder folder;
    folder.write("Egrade.dat", fixture("broken/short-45.dat"));
    const ResultFile file(folder.file("Egrade.dat"));

    QCOMPARE(file.count(), 2);
    const std::optional<QList<GradeRecord>> records = file.readAll();
    QVERIFY(records);
    QCOMPARE(records->size(), 2);
    QCOMPARE(records->at(0).AverageSpeed, qint16(44));
    QCOMPARE(records->at(1), (GradeRecord {"25-06-04", "00:10:0", 0, 0, 0, 0, ""}));
}

void tst_ResultFile::missingFile()
{
    TestFolder folder;
    const ResultFile file(folder.file("Egrade.dat"));
    QCOMPARE(file.count(), 0);
    QCOMPARE(file.readAll(), QList<GradeRecord>());
    QVERIFY(!QFile::exists(file.path()));

    QVERIFY(file.create());
    QVERIFY(QFile::exists(file.path()));
    QCOMPARE(folder.read("Egrade.dat"), QByteArray());
}

void tst_ResultFile::createKeepsExistingFile()
{
    TestFolder folder;
    folder.write("Egrade.dat", fixture("broken/short-45.dat"));
    QVERIFY(ResultFile(folder.file("Egrade.dat")).create());
    QCOMPARE(folder.read("Egrade.dat"), fixture("broken/short-45.dat"));

    QString error;
    QVERIFY(!ResultFile(folder.file("missing/Egrade.dat")).create(&error));
    QVERIFY(!error.isEmpty());
}

void tst_ResultFile::fileNamesPerLanguage()
{
    TestFolder folder;
    folder.write("anna/CGRADE.DAT", "");
    QCOMPARE(ResultFile::of(folder.file("anna"), Language::English).path(),
             folder.file("anna/Egrade.dat"));
    // An existing file spelled otherwise is the same file.
    QCOMPARE(ResultFile::of(folder.file("anna"), Language::Chinese).path(),
             folder.file("anna/CGRADE.DAT"));
}

void tst_ResultFile::append_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << qint64(1) << fixture("new-record.dat");
    QTest::newRow("behind a Windows file")
        << fixture("windows-egrade.dat") << qint64(4) << fixture("appended-to-windows.dat");
    QTest::newRow("45 bytes: record 3, from byte 60")
        << fixture("broken/short-45.dat") << qint64(3) << fixture("appended-to-45.dat");
    // 44 bytes count as one record: the 14-byte fragment is written over.
    QTest::newRow("44 bytes: record 2, from byte 30") << fixture("windows-egrade.dat").left(44) << qint64(2)
        << fixture("windows-egrade.dat").left(30) + fixture("new-record.dat");
}

void tst_ResultFile::append()
{
    QFETCH(QByteArray, before);
    QFETCH(qint64, number);
    QFETCH(QByteArray, after);

    TestFolder folder;
    if (!before.isEmpty())
        folder.write("Egrade.dat", before);
    const ResultFile file(folder.file("Egrade.dat"));
    QString error;
    QCOMPARE(file.append(newRecord(), &error), number);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(folder.read("Egrade.dat"), after);
    QCOMPARE(file.count(), number);
    QCOMPARE(file.read(number, 1)->first(), newRecord());
}

// A full disk in the middle of the record: failure is reported and the file
// is as it was, so the next count is not shifted by half a record.
void tst_ResultFile::appendOnFullDiskLeavesFileAsItWas_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("room");

    QTest::newRow("half the record fits") << fixture("windows-egrade.dat") << 15;
    QTest::newRow("no room at all") << fixture("windows-egrade.dat") << 0;
    QTest::newRow("fragment written over") << fixture("windows-egrade.dat").left(44) << 10;
    QTest::newRow("gap cannot be filled") << fixture("broken/short-45.dat") << 5;
}

void tst_ResultFile::appendOnFullDiskLeavesFileAsItWas()
{
    QFETCH(QByteArray, before);
    QFETCH(int, room);

    TestFolder folder;
    folder.write("Egrade.dat", before);
    const ResultFile file(folder.file("Egrade.dat"));
    std::optional<qint64> number;
    QString error;
    {
        FileSizeLimit fullDisk(before.size() + room);
        number = file.append(newRecord(), &error);
    }
    QVERIFY(!number);
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("Egrade.dat"), before);
}

void tst_ResultFile::unreadableFile()
{
    TestFolder folder;
    folder.makeFolder("Egrade.dat");
    const ResultFile file(folder.file("Egrade.dat"));
    QString error;
    QVERIFY(!file.count(&error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!file.readAll(&error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!file.append(newRecord(), &error));
    QVERIFY(!error.isEmpty());
}

// The record count is not a 16-bit number here: a file past 32767 records is
// counted, read and appended to like any other.
void tst_ResultFile::moreThan32767Records()
{
    const GradeRecord old {"20-01-01", "00:01:00", 10, 10, 10, 0, "100%  "};
    const GradeRecord last {"25-06-03", "00:01:00", 48, 48, 48, 0, "100%  "};
    TestFolder folder;
    folder.write("Cgrade.dat", old.encode().repeated(32768) + last.encode());
    const ResultFile file(folder.file("Cgrade.dat"));

    QCOMPARE(file.count(), 32769);
    QCOMPARE(file.read(32763, 7)->last(), last);
    QCOMPARE(file.readAll()->size(), 32769);
    QCOMPARE(file.append(newRecord()), 32770);
    QCOMPARE(file.read(32769, 7), (QList<GradeRecord> {last, newRecord()}));
}

QTEST_GUILESS_MAIN(tst_ResultFile)
#include "tst_resultfile.moc"
