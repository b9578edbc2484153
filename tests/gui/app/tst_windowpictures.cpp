// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/skins/SkinFile.h"
#include "gui/app/WindowPictures.h"

#include <QTest>

namespace {

const ProgramFolder program(QStringLiteral(QINTARA_TEST_DATA_DIR "/skins/program"));

QColor middleColour(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

SkinDescription described(const QString &skin)
{
    SkinDescription description;
    if (!ReadSkinFile(SkinFile::descriptionFile(program, skin), description))
        qFatal("cannot read the fixture skin %s", qPrintable(skin));
    return description;
}

} // namespace

class tst_WindowPictures : public QObject
{
    Q_OBJECT

private slots:
    void builtInHasEveryPicture();
    void sharpDrawingOnHiDpiScreens_data();
    void sharpDrawingOnHiDpiScreens();
    void missingPicture();
};

void tst_WindowPictures::builtInHasEveryPicture()
{
    const WindowPictures pictures = WindowPictures::builtIn();
    for (const QPixmap &picture : {pictures.caption, pictures.aboutUp, pictures.aboutDown, pictures.littleUp,
                                   pictures.littleDown, pictures.closeUp, pictures.closeDown, pictures.rimLeft,
                                   pictures.rimLeftBottom, pictures.rimBottom, pictures.rimRightBottom,
                                   pictures.rimRight})
        QVERIFY(!picture.isNull());
}

void tst_WindowPictures::sharpDrawingOnHiDpiScreens_data()
{
    QTest::addColumn<qreal>("screenRatio");
    QTest::addColumn<qreal>("pictureRatio");
    QTest::addColumn<QColor>("caption");

    QTest::newRow("ordinary screen") << 1.0 << 1.0 << QColor(10, 20, 30);
    QTest::newRow("HiDPI screen") << 2.0 << 2.0 << QColor(11, 21, 31);
}

// The title picture has a drawing twice the size beside it; the rims have
// none and are used as they are on every screen.
void tst_WindowPictures::sharpDrawingOnHiDpiScreens()
{
    QFETCH(qreal, screenRatio);
    QFETCH(qreal, pictureRatio);
    QFETCH(QColor, caption);

    const std::optional<WindowPictures> pictures = WindowPictures::fromSkin(
        SkinFile::folder(program, QStringLiteral("湖蓝")), described(QStringLiteral("湖蓝")), screenRatio);
    QVERIFY(pictures);
    QCOMPARE(middleColour(pictures->caption), caption);
    QCOMPARE(pictures->caption.devicePixelRatio(), pictureRatio);
    QCOMPARE(pictures->caption.deviceIndependentSize(), QSizeF(40, 28));
    QCOMPARE(pictures->rimLeft.devicePixelRatio(), 1.0);
    QCOMPARE(middleColour(pictures->rimRight), QColor(74, 0, 0));
}

void tst_WindowPictures::missingPicture()
{
    QString failed;
    QVERIFY(!WindowPictures::fromSkin(SkinFile::folder(program, QStringLiteral("norim")),
                                      described(QStringLiteral("norim")), 1.0, &failed));
    QCOMPARE(failed, QStringLiteral("rim_right.png"));
}

QTEST_MAIN(tst_WindowPictures)
#include "tst_windowpictures.moc"
