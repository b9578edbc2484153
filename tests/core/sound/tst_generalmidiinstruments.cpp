// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/GeneralMidiInstruments.h"

#include <QSet>
#include <QTest>

class tst_GeneralMidiInstruments : public QObject
{
    Q_OBJECT

private slots:
    void namesFromPiano1ToGunShot();
};

void tst_GeneralMidiInstruments::namesFromPiano1ToGunShot()
{
    const QStringList names = GeneralMidiInstruments::names();
    QCOMPARE(names.size(), 128);
    QCOMPARE(names.first(), QString("Piano 1"));
    QCOMPARE(names.at(40), QString("Violin"));
    QCOMPARE(names.last(), QString("Gun Shot"));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 128);
    QCOMPARE(GeneralMidiInstruments::name(127), QString("Gun Shot"));
    QCOMPARE(GeneralMidiInstruments::name(128), QString());
    QCOMPARE(GeneralMidiInstruments::name(-1), QString());
    // The stored instrument is not checked at login.
    QCOMPARE(GeneralMidiInstruments::programOf(127), 127);
    QCOMPARE(GeneralMidiInstruments::programOf(128), 0);
    QCOMPARE(GeneralMidiInstruments::programOf(-5), 0);
}

QTEST_GUILESS_MAIN(tst_GeneralMidiInstruments)
#include "tst_generalmidiinstruments.moc"
