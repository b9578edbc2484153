// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/ButtonSounds.h"
#include "widgets/KorvelButton.h"

#include "RecordingUrlOpener.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

// Keeps the sound files a button asked for, in order.
class RecordingSounds : public ButtonSounds
{
public:
    void play(const QString &file) override { played.append(file); }
    QStringList played;
};

const QString overSound = QStringLiteral(".\\resources\\over.wav");
const QString clickSound = QStringLiteral(".\\resources\\click.wav");

} // namespace

class tst_KorvelButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mouse_data();
    void mouse();
    void rightButtonNeverLooksPressed();
    void dragOutLooksReleased();
    void keys_data();
    void keys();
    void heldSpaceClicksOnce();
    void accessKeyClicks();
    void disabledIgnoresClicks();
    void hoverPicture();
    void hoverSound();
    void toolTipNamesTheButton();
    void url_data();
    void url();
    void pictureSize_data();
    void pictureSize();
    void xpWindowStyleRoundsTheCorners();
    void bitmapMaskColourIsNotDrawn();
    void pressedMovesTheContent();

private:
    void leave();

    KorvelButton *m_button = nullptr;
    RecordingSounds m_sounds;
    RecordingUrlOpener m_urls;
};

void tst_KorvelButton::init()
{
    m_button = new KorvelButton;
    m_button->setText(QStringLiteral("开始(&S)"));
    m_button->setSounds(&m_sounds);
    m_button->setUrlOpener(&m_urls);
    m_button->resize(80, 30);
    m_button->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_button));
    m_button->activateWindow();
    m_button->setFocus();
    // The pointer may rest on the button from an earlier test.
    leave();
    m_sounds.played.clear();
    m_urls.opened.clear();
}

void tst_KorvelButton::leave()
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_button, &leave);
}

void tst_KorvelButton::cleanup()
{
    delete m_button;
    m_button = nullptr;
}

void tst_KorvelButton::mouse_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("sounds");

    QTest::newRow("left click inside") << Qt::LeftButton << QPoint(40, 15) << 1 << QStringList{clickSound};
    QTest::newRow("middle click inside") << Qt::MiddleButton << QPoint(40, 15) << 1 << QStringList{clickSound};
    QTest::newRow("released outside") << Qt::LeftButton << QPoint(200, 15) << 0 << QStringList{};
    QTest::newRow("right click") << Qt::RightButton << QPoint(40, 15) << 0 << QStringList{};
}

void tst_KorvelButton::mouse()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QFETCH(QStringList, sounds);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::mousePress(m_button, button, {}, QPoint(40, 15));
    QTest::mouseRelease(m_button, button, {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
    QVERIFY(!m_button->isDown());
    QCOMPARE(m_sounds.played, sounds);
}

void tst_KorvelButton::rightButtonNeverLooksPressed()
{
    QTest::mousePress(m_button, Qt::RightButton, {}, QPoint(40, 15));
    QVERIFY(!m_button->isDown());
    QTest::mouseRelease(m_button, Qt::RightButton, {}, QPoint(40, 15));
}

void tst_KorvelButton::dragOutLooksReleased()
{
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QVERIFY(m_button->isDown());
    QTest::mouseMove(m_button, QPoint(200, 15));
    QVERIFY(!m_button->isDown());
    QTest::mouseMove(m_button, QPoint(40, 15));
    QVERIFY(m_button->isDown());
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 15));
}

void tst_KorvelButton::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("downWhileHeld");

    QTest::newRow("Enter") << int(Qt::Key_Return) << 1 << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1 << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << 1 << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << 0 << false;
}

void tst_KorvelButton::keys()
{
    QFETCH(int, key);
    QFETCH(int, clicks);
    QFETCH(bool, downWhileHeld);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyPress(m_button, Qt::Key(key));
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(m_button->isDown(), downWhileHeld);
    QTest::keyRelease(m_button, Qt::Key(key));
    QVERIFY(!m_button->isDown());
    // Only a mouse click sounds.
    QVERIFY(m_sounds.played.isEmpty());
}

void tst_KorvelButton::heldSpaceClicksOnce()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyPress(m_button, Qt::Key_Space);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(m_button, &again);
    }
    QCOMPARE(clicked.count(), 1);
    QVERIFY(m_button->isDown());
    QTest::keyRelease(m_button, Qt::Key_Space);
    QVERIFY(!m_button->isDown());
}

void tst_KorvelButton::accessKeyClicks()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyClick(m_button, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void tst_KorvelButton::disabledIgnoresClicks()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    m_button->setEnabled(false);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::keyClick(m_button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 0);
}

void tst_KorvelButton::hoverPicture()
{
    QPixmap normal(16, 16);
    normal.fill(Qt::red);
    QPixmap hover(16, 16);
    hover.fill(Qt::green);
    m_button->setPicture(normal);
    m_button->setPictureHover(hover);
    QSignalSpy in(m_button, &KorvelButton::mouseIn);
    QSignalSpy out(m_button, &KorvelButton::mouseOut);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), m_button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(m_button, &enter);
    QVERIFY(m_button->isHovered());
    QCOMPARE(m_button->shownPicture().toImage(), hover.toImage());
    QCOMPARE(in.count(), 1);

    leave();
    QCOMPARE(m_button->shownPicture().toImage(), normal.toImage());
    QCOMPARE(out.count(), 1);
}

void tst_KorvelButton::hoverSound()
{
    const auto enter = [this] {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), m_button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(m_button, &event);
    };
    enter();
    enter(); // still inside: no second sound
    QCOMPARE(m_sounds.played, QStringList{overSound});

    leave();
    m_button->setSoundOver(QString());
    enter();
    QCOMPARE(m_sounds.played.size(), 1);

    leave();
    m_button->setSoundOver(QStringLiteral("hover.wav"));
    m_button->setEnabled(false);
    enter();
    QVERIFY(!m_button->isHovered());
    QCOMPARE(m_sounds.played.size(), 1);
}

void tst_KorvelButton::toolTipNamesTheButton()
{
    m_button->setText(QString());
    m_button->setToolTip(QStringLiteral("系统设置"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_button);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("系统设置"));
    QCOMPARE(accessible->role(), QAccessible::Button);
}

void tst_KorvelButton::url_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("opened");

    const QString mail = QStringLiteral("mailto:typist@example.org");
    const QString page = QStringLiteral("https://example.org/qintara");
    QTest::newRow("mouse click opens a mail") << mail << "mouse" << QStringList{mail};
    QTest::newRow("mouse click opens a page") << page << "mouse" << QStringList{page};
    QTest::newRow("Enter opens it") << page << "Enter" << QStringList{page};
    QTest::newRow("Space opens it") << page << "Space" << QStringList{page};
    QTest::newRow("the access key only clicks") << page << "access key" << QStringList{};
    QTest::newRow("release outside opens nothing") << page << "outside" << QStringList{};
    QTest::newRow("empty URL opens nothing") << QString() << "mouse" << QStringList{};
}

void tst_KorvelButton::url()
{
    QFETCH(QString, url);
    QFETCH(QString, how);
    QFETCH(QStringList, opened);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    m_button->setURL(url);
    if (how == u"mouse" || how == u"outside") {
        QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 15));
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, how == u"mouse" ? QPoint(40, 15) : QPoint(-20, 15));
    } else if (how == u"access key") {
        QTest::keyClick(m_button, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(clicked.count(), 1);
    } else {
        QTest::keyClick(m_button, how == u"Enter" ? Qt::Key_Return : Qt::Key_Space);
    }
    QCOMPARE(m_urls.opened, opened);
}

void tst_KorvelButton::pictureSize_data()
{
    QTest::addColumn<int>("pictureSize");
    QTest::addColumn<QSize>("picture"); // empty: none
    QTest::addColumn<QSize>("box");

    QTest::newRow("0 without a picture") << 0 << QSize() << QSize(16, 16);
    QTest::newRow("2 without a picture") << 2 << QSize() << QSize(32, 32);
    QTest::newRow("2 with a picture") << 2 << QSize(20, 10) << QSize(20, 10);
    QTest::newRow("1 with a picture") << 1 << QSize(20, 10) << QSize(32, 32);
}

void tst_KorvelButton::pictureSize()
{
    QFETCH(int, pictureSize);
    QFETCH(QSize, picture);
    QFETCH(QSize, box);

    if (!picture.isEmpty()) {
        QPixmap pixmap(picture);
        pixmap.fill(Qt::green);
        m_button->setPicture(pixmap);
    }
    m_button->setPictureSize(pictureSize);
    QCOMPARE(m_button->pictureBox(), box);
    // The dimensions set by hand count until PictureSize is set again.
    m_button->setPictureDimensions({24, 12});
    QCOMPARE(m_button->pictureBox(), QSize(24, 12));
}

void tst_KorvelButton::xpWindowStyleRoundsTheCorners()
{
    // On a form, as every button of the program is.
    QWidget form;
    auto *button = new KorvelButton(&form);
    button->resize(80, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    button->setXPStyle(true);
    QCOMPARE(button->mask(), ButtonLayout::roundedRegion({80, 30}));
    button->resize(90, 40);
    QCOMPARE(button->mask(), ButtonLayout::roundedRegion({90, 40}));
    QVERIFY(!button->mask().contains(QPoint(0, 0)));
    button->setXPWinStyle(false);
    QVERIFY(button->mask().isEmpty());
}

// A bitmap (no alpha channel) is drawn without its pixels of the mask
// colour, so the face shows through them.
void tst_KorvelButton::bitmapMaskColourIsNotDrawn()
{
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    QPainter(&bitmap).fillRect(0, 0, 8, 16, Qt::green);
    m_button->setText(QString());
    m_button->setNoBorderEffect(true);
    m_button->setBackColor(Qt::red);
    m_button->setPicture(QPixmap::fromImage(bitmap));
    m_button->setPictureDimensions({16, 16});
    m_button->clearFocus();

    const QRect at = m_button->places().picture;
    const QImage shot = m_button->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const auto colourAt = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
    QCOMPARE(colourAt(at.left() + 2, at.top() + 8), QColor(Qt::green));
    QCOMPARE(colourAt(at.right() - 2, at.top() + 8), QColor(Qt::red));

    m_button->setMaskColor(Qt::green);
    const QImage other = m_button->grab().toImage();
    QCOMPARE(other.pixelColor(QPoint(at.left() + 2, at.top() + 8) * ratio), QColor(Qt::red));
    QCOMPARE(other.pixelColor(QPoint(at.right() - 2, at.top() + 8) * ratio), QColor(Qt::black));
}

void tst_KorvelButton::pressedMovesTheContent()
{
    const QRect released = m_button->places().caption;
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(m_button->places().caption, released.translated(1, 1));
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(m_button->places().caption, released);
}

QTEST_MAIN(tst_KorvelButton)
#include "tst_korvelbutton.moc"
