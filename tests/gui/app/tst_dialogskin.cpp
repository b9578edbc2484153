// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/DialogSkin.h"
#include "gui/app/WindowLook.h"
#include "widgets/ButtonSounds.h"
#include "widgets/KorvelButton.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

namespace {

class RecordingSounds : public ButtonSounds
{
public:
    void play(const QString &file) override { played.append(file); }
    QStringList played;
};

// A dialog with a label, a frame, a check box and two push buttons that
// start in the built-in XP look.
struct Dialog
{
    Dialog()
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *part : {static_cast<QWidget *>(label), static_cast<QWidget *>(frame),
                              static_cast<QWidget *>(box), static_cast<QWidget *>(ok),
                              static_cast<QWidget *>(cancel)})
            layout->addWidget(part);
        for (KorvelButton *button : {ok, cancel})
            button->setXPStyle(false);
    }

    QDialog window;
    QLabel *label = new QLabel(QStringLiteral("说明"));
    QGroupBox *frame = new QGroupBox(QStringLiteral("完成练习"));
    QCheckBox *box = new QCheckBox(QStringLiteral("随机位置打开"));
    KorvelButton *ok = new KorvelButton;
    KorvelButton *cancel = new KorvelButton;
};

WindowLook skinLook(RecordingSounds *sounds)
{
    WindowLook look = WindowLook::builtIn(sounds);
    look.SkinLoaded = true;
    look.colors.window = QColor(51, 51, 51);
    look.colors.labelText = QColor(255, 255, 0);
    look.colors.buttonBack = QColor(255, 255, 0);
    look.colors.buttonFont = QColor(Qt::black);
    look.colors.buttonHover = QColor(0, 0, 255);
    look.colors.buttonPressed = QColor(0, 0, 128);
    look.colors.buttonXpStyle = true;
    look.colors.buttonXpWinStyle = false;
    return look;
}

} // namespace

class tst_DialogSkin : public QObject
{
    Q_OBJECT

private slots:
    void withoutSkinTheButtonsTakeTheXpLook();
    void skinDressesTheDialog_data();
    void skinDressesTheDialog();
    void buttonColourTheSkinCouldNotGive();
    void buttonsGetTheLooksSounds();
};

void tst_DialogSkin::withoutSkinTheButtonsTakeTheXpLook()
{
    Dialog dialog;
    const QColor ownFace = dialog.ok->backColor();
    DialogSkin::take(&dialog.window, WindowLook::builtIn(), true);
    for (KorvelButton *button : {dialog.ok, dialog.cancel}) {
        QVERIFY(button->xpStyle());
        QCOMPARE(button->backColor(), ownFace);
    }
    QCOMPARE(dialog.label->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::WindowText));
}

void tst_DialogSkin::skinDressesTheDialog_data()
{
    QTest::addColumn<bool>("labelColours");
    QTest::newRow("a dialog whose labels take the skin") << true;
    QTest::newRow("a dialog of buttons only") << false;
}

void tst_DialogSkin::skinDressesTheDialog()
{
    QFETCH(bool, labelColours);
    Dialog dialog;
    const QColor ownText = dialog.label->palette().color(QPalette::WindowText);
    DialogSkin::take(&dialog.window, skinLook(nullptr), labelColours);

    QCOMPARE(dialog.window.palette().color(QPalette::Window), QColor(51, 51, 51));
    const QColor text = labelColours ? QColor(255, 255, 0) : ownText;
    for (QWidget *part : {static_cast<QWidget *>(dialog.label), static_cast<QWidget *>(dialog.frame),
                          static_cast<QWidget *>(dialog.box)})
        QCOMPARE(part->palette().color(QPalette::WindowText), text);
    for (KorvelButton *button : {dialog.ok, dialog.cancel}) {
        QCOMPARE(button->backColor(), QColor(255, 255, 0));
        QCOMPARE(button->foreColor(), QColor(Qt::black));
        QCOMPARE(button->xpColorHover(), QColor(0, 0, 255));
        QCOMPARE(button->xpColorPressed(), QColor(0, 0, 128));
        QVERIFY(button->xpStyle());
        QVERIFY(!button->xpWinStyle());
    }
}

void tst_DialogSkin::buttonColourTheSkinCouldNotGive()
{
    Dialog dialog;
    const QColor ownText = dialog.ok->foreColor();
    WindowLook look = skinLook(nullptr);
    look.colors.buttonFont = QColor();
    DialogSkin::take(&dialog.window, look, true);
    QCOMPARE(dialog.ok->foreColor(), ownText);
    QCOMPARE(dialog.ok->backColor(), QColor(255, 255, 0));
}

void tst_DialogSkin::buttonsGetTheLooksSounds()
{
    for (const bool skin : {false, true}) {
        Dialog dialog;
        RecordingSounds sounds;
        DialogSkin::take(&dialog.window, skin ? skinLook(&sounds) : WindowLook::builtIn(&sounds), true);
        dialog.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog.window));
        QTest::mouseClick(dialog.cancel, Qt::LeftButton);
        QCOMPARE(sounds.played, QStringList{QStringLiteral(".\\resources\\click.wav")});
    }
}

QTEST_MAIN(tst_DialogSkin)
#include "tst_dialogskin.moc"
