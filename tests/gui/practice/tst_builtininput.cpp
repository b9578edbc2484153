// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/BuiltInInput.h"

#include "widgets/ImeCandidateList.h"
#include "widgets/InputBox.h"

#include <QtTest>

#include <optional>

// The built-in input on a real typing box: what the box's handlers see is
// what a system input method's commits give them.
class tst_BuiltInInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void commitsReachTheBoxCharacterByCharacter_data();
    void commitsReachTheBoxCharacterByCharacter();
    void compositionShowsWithItsCandidates();
    void offLeavesKeysAlone();
    void ctrlSpaceAsksToToggle();
    void feedbackOnALongerCode();
    void boxesThatDoNotExpectChineseKeepTheirKeys();

private:
    void type(const QString &keys);
    ImeCandidateList *list() const { return m_window->findChild<ImeCandidateList *>(); }

    std::optional<ImeTable> m_wubi;
    QWidget *m_window = nullptr;
    InputBox *m_box = nullptr;
    BuiltInInput *m_input = nullptr;
    QList<int> m_pressed;
};

void tst_BuiltInInput::initTestCase()
{
    m_wubi = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/wubi86.tbl"));
    QVERIFY(m_wubi);
}

void tst_BuiltInInput::init()
{
    m_window = new QWidget;
    m_window->resize(400, 200);
    m_box = new InputBox(m_window);
    m_box->setGeometry(10, 10, 300, 30);
    m_input = new BuiltInInput(m_window);
    m_input->attach(m_box);
    m_input->setTable(&*m_wubi, ImeEngine::Method::Wubi);
    m_input->setActive(true);
    m_pressed.clear();
    connect(m_box, &InputBox::keyPress, this, [this](int &code) { m_pressed << code; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_box->setFocus();
}

void tst_BuiltInInput::cleanup()
{
    delete m_window;
}

void tst_BuiltInInput::type(const QString &keys)
{
    for (QChar key : keys) {
        if (key == u'\b')
            QTest::keyClick(m_box, Qt::Key_Backspace);
        else if (key == u'\x1b')
            QTest::keyClick(m_box, Qt::Key_Escape);
        else
            QTest::keyClicks(m_box, QString(key));
    }
}

void tst_BuiltInInput::commitsReachTheBoxCharacterByCharacter_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("pressed");
    QTest::addColumn<int>("keysCounted");
    QTest::addColumn<int>("characters");

    QTest::newRow("full code") << "wqiy" << "你" << QList<int>{0x4f60} << 4 << 1;
    QTest::newRow("short code and Space") << "wq " << "你" << QList<int>{0x4f60} << 3 << 1;
    QTest::newRow("phrase") << "trwu" << "我们" << QList<int>{0x6211, 0x4eec} << 4 << 2;
    QTest::newRow("Backspace in the composition") << "wqx\b " << "你" << QList<int>{0x4f60} << 5 << 1;
    QTest::newRow("Chinese punctuation after a code") << "wq," << "你，" << QList<int>{0x4f60, 0xff0c} << 3 << 2;
    QTest::newRow("a key passed on after a code") << "wq/" << "你/" << QList<int>{0x4f60, '/'} << 3 << 2;
    QTest::newRow("Esc drops the composition") << "wqi\x1b" << "" << QList<int>{} << 4 << 0;
}

void tst_BuiltInInput::commitsReachTheBoxCharacterByCharacter()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QList<int>, pressed);
    QFETCH(int, keysCounted);
    QFETCH(int, characters);

    type(keys);
    QCOMPARE(m_box->text(), text);
    QCOMPARE(m_pressed, pressed);
    QCOMPARE(m_input->metrics().keys(), keysCounted);
    QCOMPARE(m_input->metrics().characters(), characters);
}

void tst_BuiltInInput::compositionShowsWithItsCandidates()
{
    type(QStringLiteral("wq"));
    QCOMPARE(m_box->text(), QString()); // preedit is not the box's text
    QVERIFY(list() && list()->isVisible());
    QVERIFY(list()->count() > 1);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("1 你"));
    QCOMPARE(list()->accessibleDescription(), QStringLiteral("输入码 wq"));
    QVERIFY(list()->geometry().top() >= m_box->geometry().bottom());
    type(QStringLiteral(" "));
    QVERIFY(!list()->isVisible());
}

void tst_BuiltInInput::offLeavesKeysAlone()
{
    m_input->setActive(false);
    type(QStringLiteral("wq"));
    QCOMPARE(m_box->text(), QStringLiteral("wq"));
    QCOMPARE(m_pressed, (QList<int>{'w', 'q'}));
    QCOMPARE(m_input->metrics().keys(), 0);
}

void tst_BuiltInInput::ctrlSpaceAsksToToggle()
{
    QSignalSpy toggles(m_input, &BuiltInInput::toggleRequested);
    QTest::keyClick(m_box, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(toggles.count(), 1);
    QCOMPARE(m_box->text(), QString());
}

void tst_BuiltInInput::feedbackOnALongerCode()
{
    QSignalSpy words(m_input, &BuiltInInput::feedback);
    QSignalSpy deadEnds(m_input, &BuiltInInput::deadEnd);
    type(QStringLiteral("wqiy"));
    QCOMPARE(words.count(), 1);
    QCOMPARE(words.first().first().toString(), QStringLiteral("你：全码 wqiy，二级简码 wq"));
    // Said under the box, where the learner looks, until the next key.
    QVERIFY(list()->isVisible());
    QCOMPARE(list()->item(0)->text(), QStringLiteral("你：全码 wqiy，二级简码 wq"));
    type(QStringLiteral("yyyv"));
    QVERIFY(!deadEnds.isEmpty());
    QCOMPARE(deadEnds.last().first().toString(), QStringLiteral("yyyv"));
    QCOMPARE(list()->item(0)->text(), QStringLiteral("“yyyv”没有对应的字词，按退格键改正"));
    type(QStringLiteral("\b"));
    QVERIFY(list()->item(0)->text().startsWith(u"1 "));
}

void tst_BuiltInInput::boxesThatDoNotExpectChineseKeepTheirKeys()
{
    bool chinese = false;
    m_input->setChineseBoxTest([&chinese](const InputBox *) { return chinese; });
    type(QStringLiteral("wq"));
    QCOMPARE(m_box->text(), QStringLiteral("wq"));
    chinese = true;
    type(QStringLiteral("wq "));
    QCOMPARE(m_box->text(), QStringLiteral("wq你"));
}

QTEST_MAIN(tst_BuiltInInput)
#include "tst_builtininput.moc"
