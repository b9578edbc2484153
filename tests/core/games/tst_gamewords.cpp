// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/GameWords.h"

#include "core/platform/ProgramFolder.h"
#include "core/platform/TextCodec.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QTest>

class tst_GameWords : public QObject
{
    Q_OBJECT

private slots:
    void newInputMethodGivesItsOwnWords();
};

// The words remember which lines hold a word; a change of input method in
// the settings dialog reloads the lists, and the next word must come from
// the new ones.
void tst_GameWords::newInputMethodGivesItsOwnWords()
{
    TestFolder folder;
    const QStringList files = {"bm.txt", "phrase/二字词组.txt", "phrase/三字词组.txt", "phrase/四字词组.txt"};
    for (const QString &file : files) {
        folder.write(QStringLiteral("chinese/甲/") + file, TextCodec::encode(QStringLiteral("\r\n甲乙丙丁jjjj\r\n")));
        folder.write(QStringLiteral("chinese/乙/") + file, TextCodec::encode(QStringLiteral("戊己庚辛wwww\r\n")));
    }
    Settings settings;
    settings.InputMeans = QStringLiteral("甲");
    CodeTable table(ProgramFolder(folder.path()), settings);
    ScriptedRandom random;
    GameWords words(table, random);

    QVERIFY(words.load(settings.InputMeans));
    QCOMPARE(words.RandomGameWord(3), QStringLiteral("甲乙丙丁"));
    QVERIFY(table.ReloadCodeTable(QStringLiteral("乙")));
    QCOMPARE(words.RandomGameWord(3), QStringLiteral("戊己庚辛"));
    QCOMPARE(words.RandomGameWord(4), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_GameWords)
#include "tst_gamewords.moc"
