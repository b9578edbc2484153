// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/DialogFileChooser.h"

#include "TestFolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <functional>

class tst_DialogFileChooser : public QObject
{
    Q_OBJECT

private slots:
    void opensTheDialogAsked_data();
    void opensTheDialogAsked();
    void opensSeveralFiles();
    void savesWithTheFilterExtension();

private:
    // Runs answer on the file dialog once it is up.
    static void whenOpen(const std::function<void(QFileDialog *)> &answer);
};

void tst_DialogFileChooser::whenOpen(const std::function<void(QFileDialog *)> &answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        // selectFile leaves a name box that has the focus alone, as being
        // typed in; whether it has the focus by now depends on the window
        // system's timing.
        if (QWidget *focused = dialog->focusWidget())
            focused->clearFocus();
        answer(dialog);
    });
    poll->start(10);
}

void tst_DialogFileChooser::opensTheDialogAsked_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("file chosen") << true;
    QTest::newRow("cancelled") << false;
}

void tst_DialogFileChooser::opensTheDialogAsked()
{
    QFETCH(bool, choose);
    TestFolder folder;
    folder.write(QStringLiteral("练习.lmf"), "text");
    const QStringList filters = {QStringLiteral("Txt 文本格式 (*.txt)"),
                                 QStringLiteral("Lmf Qintara练习文件格式 (*.lmf)")};

    QString title;
    QStringList shownFilters;
    QString preselected;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenOpen([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        shownFilters = dialog->nameFilters();
        preselected = dialog->selectedNameFilter();
        mode = dialog->fileMode();
        if (!choose) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder.path());
        dialog->selectNameFilter(filters.last());
        dialog->selectFile(folder.file(QStringLiteral("练习.lmf")));
        // As the open button does: QFileDialog checks the file first.
        static_cast<QDialog *>(dialog)->accept();
    });
    DialogFileChooser chooser;
    const std::optional<QString> chosen = chooser.openFile(QStringLiteral("打开练习文件"), filters);

    QCOMPARE(title, QStringLiteral("打开练习文件"));
    QCOMPARE(shownFilters, filters);
    QCOMPARE(preselected, filters.first());
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(chosen.has_value(), choose);
    if (chosen)
        QCOMPARE(QFileInfo(*chosen), QFileInfo(folder.file(QStringLiteral("练习.lmf"))));
}

void tst_DialogFileChooser::opensSeveralFiles()
{
    TestFolder folder;
    folder.write(QStringLiteral("a.mid"), "MThd");
    folder.write(QStringLiteral("b.mp3"), "ID3");
    const QStringList filters = {QStringLiteral("(*.mid)"), QStringLiteral("(*.mp3)"), QStringLiteral("(*.wav)")};

    QString preselected;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenOpen([&](QFileDialog *dialog) {
        preselected = dialog->selectedNameFilter();
        mode = dialog->fileMode();
        dialog->setDirectory(folder.path());
        dialog->selectNameFilter(QStringLiteral("(*.mid)"));
        dialog->selectFile(QStringLiteral("\"a.mid\" \"b.mp3\""));
        static_cast<QDialog *>(dialog)->accept();
    });
    DialogFileChooser chooser;
    const std::optional<QStringList> chosen = chooser.openFiles(QStringLiteral("选择文件"), filters, 1);

    QCOMPARE(preselected, filters.at(1));
    QCOMPARE(mode, QFileDialog::ExistingFiles);
    QVERIFY(chosen);
    QCOMPARE(chosen->size(), 2);
}

void tst_DialogFileChooser::savesWithTheFilterExtension()
{
    TestFolder folder;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
    whenOpen([&](QFileDialog *dialog) {
        accept = dialog->acceptMode();
        dialog->setDirectory(folder.path());
        dialog->selectFile(folder.file(QStringLiteral("我的列表")));
        static_cast<QDialog *>(dialog)->accept();
    });
    DialogFileChooser chooser;
    const std::optional<QString> chosen = chooser.saveFile(QStringLiteral("保存列表"), {QStringLiteral("(*.m3u)")});

    QCOMPARE(accept, QFileDialog::AcceptSave);
    QVERIFY(chosen);
    QCOMPARE(QFileInfo(*chosen).fileName(), QStringLiteral("我的列表.m3u"));
}

QTEST_MAIN(tst_DialogFileChooser)
#include "tst_dialogfilechooser.moc"
