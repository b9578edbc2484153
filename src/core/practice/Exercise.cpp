// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/Exercise.h"

#include "core/platform/TextNumbers.h"

namespace {

const QString Zero = QStringLiteral("0");
const QString ClockCaption = QStringLiteral("练习时间：");
const QString CountdownCaption = QStringLiteral("练习时间：(剩时)");

} // namespace

Exercise::Exercise(QObject *parent)
    : QObject(parent)
    , m_elapsedTimeText(TextNumbers::clockText(0, 0, 0))
    , m_caption(ClockCaption)
    , m_timeText(m_elapsedTimeText)
    , m_speedText(Zero)
    , m_accuracyText(Zero)
{
}

ExerciseLabels Exercise::labels() const
{
    return {m_caption,
            m_timeText,
            QString::number(count(Counter::Input)),
            QString::number(count(Counter::Correct)),
            QString::number(count(Counter::Wrong)),
            m_accuracyText,
            m_speedText};
}

int Exercise::count(Counter counter) const
{
    return m_counts[size_t(counter)];
}

void Exercise::addOne(Counter counter)
{
    setCount(counter, count(counter) + 1);
}

void Exercise::takeOne(Counter counter)
{
    setCount(counter, count(counter) - 1);
}

void Exercise::setCount(Counter counter, int value)
{
    m_counts[size_t(counter)] = value;
    emit labelsChanged();
}

bool Exercise::isClockRunning() const
{
    return m_running;
}

void Exercise::startClock()
{
    if (m_running)
        return;
    m_running = true;
    emit clockRunningChanged(true);
}

void Exercise::stopClock()
{
    if (!m_running)
        return;
    m_running = false;
    emit clockRunningChanged(false);
}

void Exercise::tick()
{
    if (!m_running)
        return;
    if (m_countdown)
        tickDown();
    else
        tickUp();
}

void Exercise::tickUp()
{
    m_timeText = TextNumbers::clockText(m_hours, m_minutes, m_seconds);
    if (++m_seconds == 60) {
        m_seconds = 0;
        ++m_minutes;
    }
    // Seconds go up before the division, so it is never by zero; minutes
    // may stand at 60 here, which counts the same.
    const int elapsed = m_hours * 3600 + m_minutes * 60 + m_seconds;
    m_speedText = TextNumbers::speedText(double(count(Counter::Input)) / elapsed * 60);
    updateAccuracy();
    if (m_minutes == 60) {
        m_minutes = 0;
        ++m_hours;
    }
    m_elapsedTimeText = m_timeText;
    emit labelsChanged();
}

void Exercise::tickDown()
{
    m_timeText = TextNumbers::clockText(m_hours, m_minutes, m_seconds);
    ++m_elapsedSeconds;
    if (--m_seconds < 0) {
        if (m_minutes == 0 && m_hours == 0) {
            m_seconds = 0;
            emit labelsChanged();
            stopClock();
            emit countdownEnded();
            m_elapsedSeconds = 0;
            return;
        }
        m_seconds = 59;
        --m_minutes;
    }
    m_speedText = TextNumbers::speedText(double(count(Counter::Input)) / m_elapsedSeconds * 60);
    updateAccuracy();
    if (m_minutes < 0) {
        m_minutes = 59;
        --m_hours;
    }
    emit labelsChanged();
}

void Exercise::updateAccuracy()
{
    // With nothing typed the label keeps what it shows.
    const int input = count(Counter::Input);
    if (input != 0)
        m_accuracyText = TextNumbers::accuracyText(double(count(Counter::Correct)) / input * 100);
}

void Exercise::setCountdown(int hours, int minutes, int seconds)
{
    m_countdown = true;
    m_hours = hours;
    m_minutes = minutes;
    m_seconds = seconds;
}

void Exercise::clearCountdown()
{
    m_countdown = false;
}

bool Exercise::isCountdown() const
{
    return m_countdown;
}

QString Exercise::clockText() const
{
    return TextNumbers::clockText(m_hours, m_minutes, m_seconds);
}

int Exercise::elapsedSeconds() const
{
    return m_elapsedSeconds;
}

int Exercise::secondsPractised() const
{
    return m_countdown ? m_elapsedSeconds : m_hours * 3600 + m_minutes * 60 + m_seconds;
}

QString Exercise::elapsedTimeText() const
{
    return m_elapsedTimeText;
}

QString Exercise::practisedText() const
{
    return m_practisedText;
}

void Exercise::setPractisedText(const QString &text)
{
    m_practisedText = text;
}

QString Exercise::wrongCharacters() const
{
    return m_wrongCharacters;
}

void Exercise::appendWrongCharacter(const QString &character)
{
    m_wrongCharacters += character;
}

int Exercise::earlierCount() const
{
    return m_earlierCount;
}

void Exercise::setEarlierCount(int count)
{
    m_earlierCount = count;
}

ArticleInUse &Exercise::articles()
{
    return m_articles;
}

const ArticleInUse &Exercise::articles() const
{
    return m_articles;
}

void Exercise::Cleanup(Settings &settings)
{
    stopClock();
    if (!m_countdown) {
        m_hours = 0;
        m_minutes = 0;
        m_seconds = 0;
    }
    m_elapsedSeconds = 0;
    // The place comes from the input count, so before the counters go to 0.
    storePlace(m_articles.english, settings.Earticle, settings.Eplace, m_articles.currentEnglish);
    storePlace(m_articles.chinese, settings.Carticle, settings.Cplace, m_articles.currentChinese);
    m_caption = m_countdown ? CountdownCaption : ClockCaption;
    m_wrongCharacters.clear();
    m_earlierCount = 0;
    m_timeText = clockText();
    m_elapsedTimeText = m_timeText;
    m_counts.fill(0);
    m_accuracyText = Zero;
    m_speedText = Zero;
    emit labelsChanged();
}

// A resumed article goes on from its stored place; one opened afresh starts
// its place at the character after the last one typed.
void Exercise::storePlace(bool &articleFlag, QString &article, qint32 &place, const QString &current)
{
    if (!articleFlag)
        return;
    if (m_articles.resumed) {
        place += count(Counter::Input);
        m_articles.resumed = false;
    } else {
        article = current;
        place = count(Counter::Input) + 1;
    }
    articleFlag = false;
}
