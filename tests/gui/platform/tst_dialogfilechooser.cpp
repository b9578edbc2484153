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

QTEST_MAIN(tst_DialogFileChooser)
#include "tst_dialogfilechooser.moc"
