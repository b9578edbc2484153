// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/PcKeyboardLayout.h"

#include <QTest>

class tst_PcKeyboardLayout : public QObject
{
    Q_OBJECT

private slots:
    void keyFor_data();
    void keyFor();
    void characterRows_data();
    void characterRows();
    void fingers_data();
    void fingers();
    void rowsFillThePicture_data();
    void rowsFillThePicture();
};

void tst_PcKeyboardLayout::keyFor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect"); // empty: no key
    QTest::addColumn<QColor>("colour");

    const QColor yellow = fingerColour(Finger::Little);
    const QColor blue = fingerColour(Finger::Thumb);
    const QColor none;

    QTest::newRow("upper-case A") << "A" << QRect(70, 70, 40, 35) << yellow;
    QTest::newRow("lower-case a") << "a" << QRect(70, 70, 40, 35) << yellow;
    QTest::newRow("! on the 1 key") << "!" << QRect(40, 0, 40, 35) << yellow;
    QTest::newRow("{ on the [ key") << "{" << QRect(460, 35, 40, 35) << yellow;
    QTest::newRow("space bar") << " " << QRect(180, 140, 220, 35) << blue;
    QTest::newRow("closing quote on the ' key") << QStringLiteral("\u201d") << QRect(470, 70, 40, 35) << yellow;
    QTest::newRow("| on the \\ key") << "|" << QRect(540, 35, 40, 35) << yellow;
    QTest::newRow("Chinese character") << QStringLiteral("中") << QRect() << none;
    QTest::newRow("tab") << "\t" << QRect() << none;
    QTest::newRow("plain double quote on the ' key") << "\"" << QRect(470, 70, 40, 35) << yellow;
    QTest::newRow("opening quote") << QStringLiteral("\u201c") << QRect() << none;
    QTest::newRow("empty text") << "" << QRect() << none;
    QTest::newRow("two characters") << "ab" << QRect() << none;
    QTest::newRow("letter and space") << "a " << QRect() << none;
    QTest::newRow("line feed") << "\n" << QRect() << none;
    QTest::newRow("full-width letter") << QStringLiteral("Ａ") << QRect() << none;
}

void tst_PcKeyboardLayout::keyFor()
{
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(QColor, colour);

    const KeyCap *key = PcKeyboardLayout::keyFor(text);
    if (rect.isNull()) {
        QVERIFY2(!key, qPrintable(key ? key->name : QString()));
        return;
    }
    QVERIFY(key);
    QCOMPARE(key->rect, rect);
    QCOMPARE(key->row, rect.y() / 35);
    QCOMPARE(fingerColour(key->finger), colour);
}

// The key table row by row: the characters of a row, unshifted and shifted,
// sit on consecutive 40 x 35 keys from the row's first x.
void tst_PcKeyboardLayout::characterRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("firstX");
    QTest::addColumn<QString>("characters");

    QTest::newRow("digits") << 0 << 0 << "`1234567890-=";
    QTest::newRow("digits shifted") << 0 << 0 << "~!@#$%^&*()_+";
    QTest::newRow("top") << 1 << 60 << "qwertyuiop[]\\";
    QTest::newRow("top shifted") << 1 << 60 << "QWERTYUIOP{}|";
    QTest::newRow("home") << 2 << 70 << "asdfghjkl;'";
    QTest::newRow("home shifted") << 2 << 70 << QStringLiteral("ASDFGHJKL:\u201d");
    QTest::newRow("bottom") << 3 << 90 << "zxcvbnm,./";
    QTest::newRow("bottom shifted") << 3 << 90 << "ZXCVBNM<>?";
}

void tst_PcKeyboardLayout::characterRows()
{
    QFETCH(int, row);
    QFETCH(int, firstX);
    QFETCH(QString, characters);

    for (int i = 0; i < characters.size(); ++i) {
        const KeyCap *key = PcKeyboardLayout::keyFor(characters.mid(i, 1));
        QVERIFY2(key, qPrintable(characters.mid(i, 1)));
        QCOMPARE(key->rect, QRect(firstX + 40 * i, 35 * row, 40, 35));
    }
}

void tst_PcKeyboardLayout::fingers_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<Finger>("finger");

    QTest::newRow("little fingers, yellow") << "`10-=qp[]\\a;'z/" << Finger::Little;
    QTest::newRow("ring fingers, green") << "29wosl.x" << Finger::Ring;
    QTest::newRow("middle fingers, pink") << "38eidkc," << Finger::Middle;
    QTest::newRow("index fingers, blue") << "4567rtyufghjvbnm" << Finger::Index;
    QTest::newRow("thumbs, blue") << " " << Finger::Thumb;
}

void tst_PcKeyboardLayout::fingers()
{
    QFETCH(QString, characters);
    QFETCH(Finger, finger);

    for (const QChar c : characters) {
        const KeyCap *key = PcKeyboardLayout::keyFor(QString(c));
        QVERIFY2(key, qPrintable(QString(c)));
        QVERIFY2(key->finger == finger, qPrintable(QString(c)));
    }
}

// Every row, named keys included, runs without gap or overlap across the
// whole 580-pixel picture; the named keys are little-finger keys.
void tst_PcKeyboardLayout::rowsFillThePicture_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("names");

    QTest::newRow("digits") << 0 << "`|1|2|3|4|5|6|7|8|9|0|-|=|Backspace";
    QTest::newRow("top") << 1 << "Tab|Q|W|E|R|T|Y|U|I|O|P|[|]|\\";
    QTest::newRow("home") << 2 << "Caps Lock|A|S|D|F|G|H|J|K|L|;|'|Enter";
    QTest::newRow("bottom") << 3 << "Shift|Z|X|C|V|B|N|M|,|.|/|Shift";
    QTest::newRow("space") << 4 << QStringLiteral("Ctrl|Win|Alt|空格|Alt|Win|Ctrl");
}

void tst_PcKeyboardLayout::rowsFillThePicture()
{
    QFETCH(int, row);
    QFETCH(QString, names);

    QStringList rowNames;
    int x = 0;
    for (const KeyCap &key : PcKeyboardLayout::keys()) {
        if (key.row != row)
            continue;
        rowNames.append(key.name);
        QCOMPARE(key.rect.left(), x);
        QCOMPARE(key.rect.top(), 35 * row);
        QCOMPARE(key.rect.height(), 35);
        if (key.typed.isEmpty()) {
            QVERIFY(key.finger == Finger::Little);
            QCOMPARE(key.label, key.name);
        }
        x += key.rect.width();
    }
    QCOMPARE(x, PcKeyboardLayout::size().width());
    QCOMPARE(rowNames.join(QLatin1Char('|')), names);
    QCOMPARE(PcKeyboardLayout::size(), QSize(580, 175));
}

QTEST_GUILESS_MAIN(tst_PcKeyboardLayout)
#include "tst_pckeyboardlayout.moc"
