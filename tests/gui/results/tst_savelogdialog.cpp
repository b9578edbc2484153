// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/SaveLogDialog.h"

#include "core/results/FinishedExercise.h"
#include "core/results/ResultFile.h"
#include "gui/app/WindowLook.h"
#include "widgets/KorvelButton.h"

#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

const QDate June3(2025, 6, 3);
const QString ResultPath = QStringLiteral("user/anna/Cgrade.dat");
const QString LmfPath = QStringLiteral("user/anna/错字练习/chinese/春晓.lmf");

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

// The first record of the Windows fixture as the statistics bar showed it.
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

} // namespace

class tst_SaveLogDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsTheFigures_data();
    void showsTheFigures();
    void savesOneRecord();
    void storesTheDayOfSaving();
    void failedSaveShowsTheError();
    void wrongCharacterFile_data();
    void wrongCharacterFile();
    void closeWithoutSaving();

private:
    void open(const FinishedExercise &exercise, SaveLogDialog::Today today = [] { return June3; });
    template<typename T> T *child(const QString &name) const;
    void click(const QString &name) const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    ScriptedRandom m_random; // answers 0: the language test looks at the first character
    std::unique_ptr<SaveLogDialog> m_dialog;
};

void tst_SaveLogDialog::init()
{
    m_dialog.reset();
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder("user/anna");
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void tst_SaveLogDialog::open(const FinishedExercise &exercise, SaveLogDialog::Today today)
{
    m_dialog = std::make_unique<SaveLogDialog>(m_folder->file("user/anna"), exercise, *m_prompter,
                                               m_random, WindowLook::builtIn(), nullptr,
                                               std::move(today));
    m_dialog->show();
}

template<typename T> T *tst_SaveLogDialog::child(const QString &name) const
{
    T *found = m_dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void tst_SaveLogDialog::click(const QString &name) const
{
    QWidget *control = child<QWidget>(name);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

void tst_SaveLogDialog::showsTheFigures_data()
{
    QTest::addColumn<QString>("practisedText");
    QTest::addColumn<QString>("wrongCharacters");
    QTest::addColumn<QString>("resultFile");
    QTest::addColumn<bool>("boxEnabled");

    QTest::newRow("Chinese, with wrong characters") << "春眠不觉晓" << "眠" << "Cgrade.dat" << true;
    QTest::newRow("English, without wrong characters") << "The gift" << "" << "Egrade.dat" << false;
}

void tst_SaveLogDialog::showsTheFigures()
{
    QFETCH(QString, practisedText);
    QFETCH(QString, wrongCharacters);
    QFETCH(QString, resultFile);
    QFETCH(bool, boxEnabled);

    FinishedExercise exercise = spring();
    exercise.practisedText = practisedText;
    exercise.wrongCharacters = wrongCharacters;
    open(exercise);

    QCOMPARE(m_dialog->objectName(), QStringLiteral("frmsavelog"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("练习成绩"));
    QVERIFY(m_dialog->isModal());
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("完成练习"));
    const QStringList captions {"日　　期：", "练习时间：", "输入字数：", "平均字数：",
                                "正确字数：", "错误字数：", "正 确 率："};
    const QStringList values {"25-06-03", "00:05:23", "240", "44", "236", "4", "98.33%"};
    for (int row = 0; row < 7; ++row) {
        QCOMPARE(child<QLabel>(QString("Label%1").arg(row + 2))->text(), captions.at(row));
        auto *value = child<QLabel>(QString("Label%1").arg(row + 9));
        QCOMPARE(value->text(), values.at(row));
        QCOMPARE(value->accessibleDescription(), captions.at(row));
    }

    auto *box = child<QCheckBox>("Check1");
    QCOMPARE(box->text(), QStringLiteral("创建错字练习文件"));
    QCOMPARE(box->toolTip(), QStringLiteral("将此文章练习中的输入错字保存成文件"));
    QVERIFY(!box->isChecked());
    QCOMPARE(box->isEnabled(), boxEnabled);
    QCOMPARE(child<KorvelButton>("KorvelButton1")->text(), QStringLiteral("保存成绩"));
    QCOMPARE(child<KorvelButton>("KorvelButton2")->text(), QStringLiteral("取   消"));
    QVERIFY(child<KorvelButton>("KorvelButton1")->isEnabled());

    // The language's file is there from the start, empty.
    QVERIFY(QFile::exists(m_folder->file("user/anna/" + resultFile)));
    QCOMPARE(m_folder->read("user/anna/" + resultFile), QByteArray());
    QVERIFY(m_prompter->asked().isEmpty());
}

void tst_SaveLogDialog::savesOneRecord()
{
    open(spring());
    click("KorvelButton1");

    QCOMPARE(m_folder->read(ResultPath), fixture("windows-egrade.dat").left(30));
    QCOMPARE(m_prompter->asked().size(), 1);
    const ScriptedPrompter::Asked &box = m_prompter->asked().first();
    QCOMPARE(box.text, QStringLiteral("数据保存成功 ！"));
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.icon, Prompter::Icon::Warning); // the exclamation mark
    QCOMPARE(box.buttons, Prompter::Buttons::Ok);

    // One exercise, one record: neither the mouse nor the keys save again.
    auto *save = child<KorvelButton>("KorvelButton1");
    QVERIFY(!save->isEnabled());
    click("KorvelButton1");
    m_dialog->KorvelButton1_Click();
    QCOMPARE(m_folder->read(ResultPath).size(), 30);
    QCOMPARE(m_prompter->asked().size(), 1);

    click("KorvelButton2");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

// Left open over midnight: the old day stays on show, the new one is stored.
void tst_SaveLogDialog::storesTheDayOfSaving()
{
    QDate today(2025, 12, 31);
    open(spring(), [&today] { return today; });
    today = QDate(2026, 1, 1);
    click("KorvelButton1");

    QCOMPARE(child<QLabel>("Label9")->text(), QStringLiteral("25-12-31"));
    const auto saved = ResultFile(m_folder->file(ResultPath)).readAll();
    QVERIFY(saved);
    QCOMPARE(saved->size(), 1);
    QCOMPARE(saved->first().Date, QStringLiteral("26-01-01"));
}

// A folder where the result file should be: nothing is saved, the message says
// why, and the save button stays for another try once the way is clear.
void tst_SaveLogDialog::failedSaveShowsTheError()
{
    m_folder->makeFolder(ResultPath);
    open(spring());
    click("KorvelButton1");

    QCOMPARE(m_prompter->asked().size(), 1);
    const ScriptedPrompter::Asked &box = m_prompter->asked().first();
    QVERIFY2(box.text.startsWith(QStringLiteral("成绩没有保存：")), qPrintable(box.text));
    QVERIFY(!box.text.contains(QStringLiteral("数据保存成功")));
    QCOMPARE(box.icon, Prompter::Icon::Error);
    QVERIFY(child<KorvelButton>("KorvelButton1")->isEnabled());
    QVERIFY(!m_dialog->isSaved());

    QVERIFY(QDir(m_folder->file(ResultPath)).removeRecursively());
    click("KorvelButton1");
    QCOMPARE(m_prompter->texts().last(), QStringLiteral("数据保存成功 ！"));
    QCOMPARE(m_folder->read(ResultPath), fixture("windows-egrade.dat").left(30));
    QVERIFY(!child<KorvelButton>("KorvelButton1")->isEnabled());
}

void tst_SaveLogDialog::wrongCharacterFile_data()
{
    QTest::addColumn<QString>("wrongCharacters");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<QByteArray>("after");

    const QByteArray written = fixture("wrong-characters.lmf");
    const QByteArray old = "an earlier exercise's file\r\n";
    QTest::newRow("ticked writes the file") << "眠觉晓啼" << true << QByteArray() << written;
    QTest::newRow("ticked replaces an old file") << "眠觉晓啼" << true << old << written;
    QTest::newRow("unticked writes none") << "眠觉晓啼" << false << QByteArray() << QByteArray();
    QTest::newRow("unticked leaves an old file") << "眠觉晓啼" << false << old << old;
    // The box is disabled, so the click does not tick it.
    QTest::newRow("no wrong characters retire the old file") << "" << true << old << QByteArray();
}

void tst_SaveLogDialog::wrongCharacterFile()
{
    QFETCH(QString, wrongCharacters);
    QFETCH(bool, tick);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    if (!before.isEmpty())
        m_folder->write(LmfPath, before);
    FinishedExercise exercise = spring();
    exercise.wrongCharacters = wrongCharacters;
    open(exercise);
    if (tick)
        click("Check1");
    click("KorvelButton1");

    QCOMPARE(m_prompter->texts(), QStringList {"数据保存成功 ！"});
    QCOMPARE(QFile::exists(m_folder->file(LmfPath)), !after.isEmpty());
    QCOMPARE(m_folder->read(LmfPath), after);
}

void tst_SaveLogDialog::closeWithoutSaving()
{
    m_folder->write(LmfPath, "kept\r\n");
    FinishedExercise exercise = spring();
    exercise.wrongCharacters.clear();
    open(exercise);
    click("KorvelButton2");

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    // No record and nothing deleted, but the result file now exists.
    QVERIFY(QFile::exists(m_folder->file(ResultPath)));
    QCOMPARE(m_folder->read(ResultPath), QByteArray());
    QCOMPARE(m_folder->read(LmfPath), QByteArray("kept\r\n"));
    QVERIFY(m_prompter->asked().isEmpty());
}

QTEST_MAIN(tst_SaveLogDialog)
#include "tst_savelogdialog.moc"
