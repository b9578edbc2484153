// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// The index behind FindCode against a plain scan of the lists from the top,
// over every query that can be cut from the lines and over random queries.
#include "core/wubi/CodeTable.h"

#include "core/platform/TextCodec.h"
#include "core/settings/Settings.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

using CodePoints = QList<uint>;

QString textOf(const CodePoints &characters, qsizetype from, qsizetype count)
{
    QString text;
    for (qsizetype at = from; at < from + count && at < characters.size(); ++at)
        text += QChar::fromUcs4(characters.at(at));
    return text;
}

// FindCode as written: every check on the text, then a scan of the chosen
// list from its first line. Characters are counted as code points and
// "double-byte" is asked of the GBK encoder itself.
class ScanningFindCode
{
public:
    explicit ScanningFindCode(const CodeTable &table)
    {
        for (int length = 1; length <= 4; ++length) {
            const QStringList lines = table.list(length).lines();
            Scan &scan = m_scans[length - 1];
            scan.lines = lines;
            for (const QString &line : lines) {
                scan.lineStarts.push_back(scan.text.size());
                scan.text += line + QLatin1Char('\n');
            }
        }
    }

    void operator()(const QString &text, QString &foundText, QString &code)
    {
        if (text.isEmpty())
            return;
        const CodePoints characters = text.toUcs4();
        if (!isDoubleByte(characters.front()) || !isDoubleByte(characters.back())) {
            foundText.clear();
            return;
        }
        if (characters.size() > 4)
            return;
        const Scan &scan = m_scans[characters.size() - 1];
        const qsizetype number = scan.firstLineContaining(text);
        if (number < 0)
            return;
        foundText = text;
        const CodePoints line = scan.lines.at(number).toUcs4();
        code = textOf(line, characters.size(), line.size());
    }

private:
    struct Scan
    {
        QStringList lines;
        QString text; // every line followed by a line feed, in file order
        std::vector<qsizetype> lineStarts;

        // The first occurrence in the text lies in the first line that holds
        // the text, as lines hold no line feeds and the text then holds none.
        qsizetype firstLineContaining(const QString &query) const
        {
            if (query.contains(QLatin1Char('\n')))
                return -1;
            for (qsizetype at = text.indexOf(query.front()); at >= 0;
                 at = text.indexOf(query.front(), at + 1)) {
                if (QStringView(text).mid(at).startsWith(query))
                    return std::upper_bound(lineStarts.begin(), lineStarts.end(), at) - lineStarts.begin() - 1;
            }
            return -1;
        }
    };

    bool isDoubleByte(uint c)
    {
        auto known = m_doubleByte.constFind(c);
        if (known == m_doubleByte.cend())
            known = m_doubleByte.insert(c, TextCodec::encode(textOf({c}, 0, 1)).size() == 2);
        return *known;
    }

    Scan m_scans[4];
    QHash<uint, bool> m_doubleByte;
};

// The position of the character after the one at "at".
qsizetype nextCharacter(const QString &text, qsizetype at)
{
    const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    return at + (pair ? 2 : 1);
}

// Every run of 1 to 4 characters of every line of the four lists.
QSet<QString> lineQueries(const CodeTable &table)
{
    QSet<QString> queries;
    for (int list = 1; list <= 4; ++list) {
        for (const QString &line : table.list(list).lines()) {
            for (qsizetype start = 0; start < line.size(); start = nextCharacter(line, start)) {
                qsizetype end = start;
                for (int length = 1; length <= 4 && end < line.size(); ++length) {
                    end = nextCharacter(line, end);
                    queries.insert(line.mid(start, end - start));
                }
            }
        }
    }
    return queries;
}

// Texts of 1 to 5 characters, mostly characters of the lists so that some
// are found, with characters that are not double-byte mixed in.
QStringList randomQueries(const CodeTable &table, int count)
{
    CodePoints pool;
    for (int list = 1; list <= 4; ++list) {
        for (const QString &line : table.list(list).lines())
            pool += line.left(1).toUcs4();
    }
    pool += {U'a', U' ', U'\u3000', U'\u20AC', U'\uFFFD', U'\u4DAE', U'\U00020000', U'\uE000'};
    QRandomGenerator random(20240601);
    QStringList queries;
    for (int i = 0; i < count; ++i) {
        CodePoints characters;
        const int length = random.bounded(1, 6);
        for (int c = 0; c < length; ++c)
            characters += pool.at(random.bounded(pool.size()));
        queries += textOf(characters, 0, characters.size());
    }
    return queries;
}

} // namespace

class tst_CodeTableIndex : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithScan_data();
    void agreesWithScan();
};

void tst_CodeTableIndex::agreesWithScan_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("inputMeans");

    QTest::newRow("shipped Wubi tables") << QStringLiteral(QINTARA_SHIPPED_DATA_DIR) << QStringLiteral("五笔");
    QTest::newRow("shipped pinyin tables") << QStringLiteral(QINTARA_SHIPPED_DATA_DIR) << QStringLiteral("拼音");
    QTest::newRow("lines of odd layouts") << QStringLiteral(QINTARA_TEST_DATA_DIR "/wubi") << QStringLiteral("杂排");
    QTest::newRow("repeats and text inside lines") << QStringLiteral(QINTARA_TEST_DATA_DIR "/wubi") << QStringLiteral("五笔");
}

void tst_CodeTableIndex::agreesWithScan()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, inputMeans);

    Settings settings;
    settings.InputMeans = inputMeans;
    CodeTable table{ProgramFolder(programFolder), settings};
    QString error;
    QVERIFY2(table.LoadCodeTable(inputMeans, &error), qPrintable(error));
    ScanningFindCode scanning(table);

    QStringList queries = lineQueries(table).values();
    queries += randomQueries(table, 20000);
    int found = 0;
    for (const QString &query : std::as_const(queries)) {
        const QString before = QStringLiteral("(before)");
        QString indexedText = before, indexedCode = before, scannedText = before, scannedCode = before;
        QVERIFY(table.FindCode(query, indexedText, indexedCode));
        scanning(query, scannedText, scannedCode);
        if (indexedText != scannedText || indexedCode != scannedCode) {
            QFAIL(qPrintable(QStringLiteral("%1: index gives [%2] [%3], scan gives [%4] [%5]")
                                 .arg(query, indexedText, indexedCode, scannedText, scannedCode)));
        }
        found += !scannedText.isEmpty() && scannedText != before;
    }
    // Both lookups that find a line and lookups that do not were compared.
    QVERIFY(found > 0 && found < queries.size());
}

QTEST_GUILESS_MAIN(tst_CodeTableIndex)
#include "tst_codetableindex.moc"
