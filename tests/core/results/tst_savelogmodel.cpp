// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/Exercise.h"
#include "core/results/SaveLogModel.h"

#include "FileSizeLimit.h"
#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QFile>
#include <QTest>

class tst_SaveLogModel : public QObject
{
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void saveAppendsOneRecord();
    void storesTheDateOfSaving();
    void figuresOfALongExercise();
    void appendsBehindCutOffFile();
    void wrongCharacterFile_data();
    void wrongCharacterFile();
    void noCategoryFolderUsesTheLanguage();
    void failedRecordIsReported();
    void fullDiskThenRetry();
    void failedWrongCharacterFileAfterRecord();
    void finishedExerciseFromExercise();
};

namespace {

const QDate June3(2025, 6, 3);
const QString Lmf = QStringLiteral("user/anna/错字练习/chinese/春晓.lmf");

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

// The first record of the Windows fixture, as the statistics bar shows it.
FinishedExercise spring()
{
    FinishedExercise exercise;
    exercise.elapsedTime = "00:05:23";
    exercise.inputCount = "240";
    exercise.averageSpeed = "44";
    exercise.correctCount = "236";
    exercise.wrongCount = "4";
    exercise.accuracy = "98.33%";
    exercise.practisedText = "春眠不觉晓处处闻啼鸟";
    exercise.wrongCharacters = "眠觉晓啼";
    exercise.articleTitle = "春晓";
    exercise.categoryFolder = "chinese\\";
    return exercise;
}

// A user folder "user/anna" inside a scratch folder.
struct Account
{
    Account() { folder.makeFolder("user/anna"); }
    QString user() const { return folder.file("user/anna"); }
    TestFolder folder;
};

} // namespace

void tst_SaveLogModel::opening_data()
{
    QTest::addColumn<QString>("practisedText");
    QTest::addColumn<QString>("wrongCharacters");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("resultFile");
    QTest::addColumn<bool>("boxEnabled");

    QTest::newRow("Chinese article") << "春眠不觉晓" << "眠" << "春晓" << "Cgrade.dat" << true;
    QTest::newRow("English article") << "The gift of the magi" << "e" << "The Gift" << "Egrade.dat" << true;
    QTest::newRow("no wrong characters") << "春眠不觉晓" << "" << "春晓" << "Cgrade.dat" << false;
    QTest::newRow("no article title to name the file") << "春眠不觉晓" << "眠" << "" << "Cgrade.dat" << false;
}

void tst_SaveLogModel::opening()
{
    QFETCH(QString, practisedText);
    QFETCH(QString, wrongCharacters);
    QFETCH(QString, title);
    QFETCH(QString, resultFile);
    QFETCH(bool, boxEnabled);

    Account account;
    FinishedExercise exercise = spring();
    exercise.practisedText = practisedText;
    exercise.wrongCharacters = wrongCharacters;
    exercise.articleTitle = title;
    ScriptedRandom random({0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9});
    const SaveLogModel model(account.user(), exercise, random, June3);

    QCOMPARE(model.resultFile().path(), account.folder.file("user/anna/" + resultFile));
    // Made on opening, so it is there even when the dialog is closed unsaved.
    QVERIFY(QFile::exists(model.resultFile().path()));
    QCOMPARE(account.folder.read("user/anna/" + resultFile), QByteArray());
    QVERIFY(model.openError().isEmpty());
    QCOMPARE(model.isWrongCharacterBoxEnabled(), boxEnabled);
    QVERIFY(model.isSaveEnabled());
    QCOMPARE(model.values(),
             (QStringList {"25-06-03", "00:05:23", "240", "44", "236", "4", "98.33%"}));
    QCOMPARE(SaveLogModel::captions().first(), QString("日　　期："));
    QCOMPARE(SaveLogModel::captions().last(), QString("正 确 率："));
}

void tst_SaveLogModel::saveAppendsOneRecord()
{
    Account account;
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, June3);

    const SaveLogModel::Outcome outcome = model.save(June3, false);
    QCOMPARE(outcome.result, SaveLogModel::Result::Saved);
    QCOMPARE(outcome.message, QString("数据保存成功 ！"));
    const QByteArray saved = fixture("windows-egrade.dat").left(30);
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat"), saved);
    QCOMPARE(model.record(June3), GradeRecord::decode(saved));

    // One exercise, one record.
    QVERIFY(!model.isSaveEnabled());
    QCOMPARE(model.save(June3, false).result, SaveLogModel::Result::AlreadySaved);
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat"), saved);
}

// A dialog left open over midnight shows the old day and stores the new one.
void tst_SaveLogModel::storesTheDateOfSaving()
{
    Account account;
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, QDate(2025, 12, 31));
    QVERIFY(model.save(QDate(2026, 1, 1), false).result == SaveLogModel::Result::Saved);
    QCOMPARE(model.values().first(), QString("25-12-31"));
    QCOMPARE(model.resultFile().read(1, 1)->first().Date, QString("26-01-01"));
}

void tst_SaveLogModel::figuresOfALongExercise()
{
    Account account;
    FinishedExercise exercise = spring();
    exercise.elapsedTime = "00:10:00"; // a timed exercise keeps its duration
    exercise.inputCount = "40000";
    exercise.averageSpeed = "45."; // the speed label is cut to three characters
    exercise.correctCount = "39000";
    exercise.wrongCount = "1000";
    exercise.accuracy = "97.5%";
    ScriptedRandom random;
    SaveLogModel model(account.user(), exercise, random, June3);
    QVERIFY(model.save(June3, false).result == SaveLogModel::Result::Saved);

    const GradeRecord record = model.resultFile().read(1, 1)->first();
    QCOMPARE(record, (GradeRecord {"25-06-03", "00:10:00", 32767, 45, 32767, 1000, "97.5% "}));
}

void tst_SaveLogModel::appendsBehindCutOffFile()
{
    Account account;
    account.folder.write("user/anna/Cgrade.dat", fixture("broken/short-45.dat"));
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, June3);
    QVERIFY(model.save(June3, false).result == SaveLogModel::Result::Saved);

    const QByteArray bytes = account.folder.read("user/anna/Cgrade.dat");
    QCOMPARE(bytes.size(), 90);
    QCOMPARE(bytes.mid(60), fixture("windows-egrade.dat").left(30));
}

void tst_SaveLogModel::wrongCharacterFile_data()
{
    QTest::addColumn<QString>("wrongCharacters");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("earlierFile");
    QTest::addColumn<QString>("after"); // "golden", "earlier" or "none"

    QTest::newRow("no errors retire the earlier file") << "" << false << true << "none";
    QTest::newRow("no errors, no file") << "" << false << false << "none";
    QTest::newRow("ticked, folders made") << "眠觉晓啼" << true << false << "golden";
    QTest::newRow("ticked, earlier file replaced") << "眠觉晓啼" << true << true << "golden";
    QTest::newRow("not ticked, earlier file stays") << "眠觉晓啼" << false << true << "earlier";
    QTest::newRow("not ticked, none written") << "眠觉晓啼" << false << false << "none";
}

void tst_SaveLogModel::wrongCharacterFile()
{
    QFETCH(QString, wrongCharacters);
    QFETCH(bool, ticked);
    QFETCH(bool, earlierFile);
    QFETCH(QString, after);

    Account account;
    const QByteArray earlier = "an earlier exercise's file";
    if (earlierFile)
        account.folder.write(Lmf, earlier);
    FinishedExercise exercise = spring();
    exercise.wrongCharacters = wrongCharacters;
    ScriptedRandom random;
    SaveLogModel model(account.user(), exercise, random, June3);

    QCOMPARE(model.save(June3, ticked).result, SaveLogModel::Result::Saved);
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat").size(), 30);
    if (after == "none")
        QVERIFY(!QFile::exists(account.folder.file(Lmf)));
    else
        QCOMPARE(account.folder.read(Lmf),
                 after == "golden" ? fixture("wrong-characters.lmf") : earlier);
}

// A text opened with "自选文章" before any article was chosen has no category
// folder: the file goes where the chooser of its language looks.
void tst_SaveLogModel::noCategoryFolderUsesTheLanguage()
{
    Account account;
    FinishedExercise exercise = spring();
    exercise.categoryFolder.clear();
    ScriptedRandom random;
    SaveLogModel model(account.user(), exercise, random, June3);
    QCOMPARE(model.save(June3, true).result, SaveLogModel::Result::Saved);
    QCOMPARE(account.folder.read(Lmf), fixture("wrong-characters.lmf"));
}

void tst_SaveLogModel::failedRecordIsReported()
{
    Account account;
    account.folder.makeFolder("user/anna/Cgrade.dat");
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, June3);
    QVERIFY(!model.openError().isEmpty());

    const SaveLogModel::Outcome outcome = model.save(June3, true);
    QCOMPARE(outcome.result, SaveLogModel::Result::Failed);
    QVERIFY(!outcome.message.contains(SaveLogModel::SavedMessage));
    QVERIFY(outcome.message.contains(account.folder.file("user/anna/Cgrade.dat")));
    // Nothing else was done, and the user may try again.
    QVERIFY(!QFile::exists(account.folder.file(Lmf)));
    QVERIFY(model.isSaveEnabled());
}

void tst_SaveLogModel::fullDiskThenRetry()
{
    Account account;
    const QByteArray before = fixture("windows-egrade.dat");
    account.folder.write("user/anna/Cgrade.dat", before);
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, June3);

    SaveLogModel::Outcome outcome;
    {
        FileSizeLimit fullDisk(before.size() + 10);
        outcome = model.save(June3, false);
    }
    QCOMPARE(outcome.result, SaveLogModel::Result::Failed);
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat"), before);

    QCOMPARE(model.save(June3, false).result, SaveLogModel::Result::Saved);
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat"), before + before.left(30));
}

// The record is in; the message says so, and what went wrong besides.
void tst_SaveLogModel::failedWrongCharacterFileAfterRecord()
{
    Account account;
    account.folder.write("user/anna/错字练习", "a file where the folder should be");
    ScriptedRandom random;
    SaveLogModel model(account.user(), spring(), random, June3);

    const SaveLogModel::Outcome outcome = model.save(June3, true);
    QCOMPARE(outcome.result, SaveLogModel::Result::SavedInPart);
    QVERIFY(outcome.message.startsWith(SaveLogModel::SavedMessage));
    QVERIFY(outcome.message.size() > SaveLogModel::SavedMessage.size());
    QCOMPARE(account.folder.read("user/anna/Cgrade.dat").size(), 30);
    QVERIFY(!model.isSaveEnabled());
}

void tst_SaveLogModel::finishedExerciseFromExercise()
{
    Exercise exercise;
    exercise.setPractisedText("春眠不觉晓");
    for (int i = 0; i < 5; ++i)
        exercise.addOne(Exercise::Counter::Input);
    for (int i = 0; i < 4; ++i)
        exercise.addOne(Exercise::Counter::Correct);
    exercise.addOne(Exercise::Counter::Wrong);
    exercise.appendWrongCharacter("觉");
    exercise.startClock();
    for (int i = 0; i < 3; ++i)
        exercise.tick();

    const FinishedExercise finished = FinishedExercise::of(exercise, "春晓", "chinese\\");
    QCOMPARE(finished.elapsedTime, QString("00:00:02"));
    QCOMPARE(finished.inputCount, QString("5"));
    QCOMPARE(finished.averageSpeed, QString("100")); // 5 characters in 3 seconds
    QCOMPARE(finished.correctCount, QString("4"));
    QCOMPARE(finished.wrongCount, QString("1"));
    QCOMPARE(finished.accuracy, QString("80%"));
    QCOMPARE(finished.practisedText, QString("春眠不觉晓"));
    QCOMPARE(finished.wrongCharacters, QString("觉"));
    QCOMPARE(finished.articleTitle, QString("春晓"));
    QCOMPARE(finished.categoryFolder, QString("chinese\\"));
}

QTEST_GUILESS_MAIN(tst_SaveLogModel)
#include "tst_savelogmodel.moc"
