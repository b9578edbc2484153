// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultCsv.h"
#include "core/results/ResultFile.h"

#include "TestFolder.h"

#include <QTest>

class tst_ResultCsv : public QObject
{
    Q_OBJECT

private slots:
    void windowsFile();
    void damagedRecords();
};

// Padding goes, two-digit years become whole dates (99 is 1999), figures
// keep their sign.
void tst_ResultCsv::windowsFile()
{
    TestFolder folder;
    folder.write("Egrade.dat", readFixture("results/windows-egrade.dat"));
    const std::optional<QList<GradeRecord>> records = ResultFile(folder.file("Egrade.dat")).readAll();
    QVERIFY(records);
    QCOMPARE(ResultCsv::write(*records), readFixture("results/windows-egrade.csv"));
}

// A date that is not one is written as it stands, quoted where it needs.
void tst_ResultCsv::damagedRecords()
{
    const QList<GradeRecord> records{
        {"25,06,03", "00:10:0 ", 0, 0, 0, 0, ""},
        {"25-02-30", "00:00:01", 1, 2, 1, 0, "9\"%   "},
    };
    QCOMPARE(ResultCsv::write(records), readFixture("results/damaged-records.csv"));
}

QTEST_GUILESS_MAIN(tst_ResultCsv)
#include "tst_resultcsv.moc"
