// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/Keystroke.h"

#include <QSet>
#include <QTest>

class tst_Keystroke : public QObject
{
    Q_OBJECT

private slots:
    void kindNamesRoundTrip();
    void unknownKindName_data();
    void unknownKindName();
};

// The history stores kinds by name: every kind needs its own name, or its
// keys would come back as another kind or not at all.
void tst_Keystroke::kindNamesRoundTrip()
{
    QSet<QString> names;
    for (int i = int(ExerciseKind::Letters); i <= int(ExerciseKind::Game); ++i) {
        const auto kind = ExerciseKind(i);
        const QString name = exerciseKindName(kind);
        QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QCOMPARE(exerciseKindNamed(name), kind);
    }
}

void tst_Keystroke::unknownKindName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("other case") << "Letters";
    QTest::newRow("a kind of a newer version") << "radicals";
}

void tst_Keystroke::unknownKindName()
{
    QFETCH(QString, name);
    QCOMPARE(exerciseKindNamed(name), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_Keystroke)
#include "tst_keystroke.moc"
