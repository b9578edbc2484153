// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/DrillModel.h"

#include "core/practice/Exercise.h"
#include "core/practice/OptionSetting.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

DrillModel::DrillModel(Settings &settings, Exercise &exercise, CodeTable &codeTable, QObject *parent)
    : QObject(parent), m_settings(settings), m_exercise(exercise), m_codeTable(codeTable)
{
}

void DrillModel::open(DrillEntry::Id id)
{
    m_entry = id;
    m_optionTicked = ::optionTicked(m_settings, entry().optionSetting());
    m_analysisTicked = analysisEnabled() && m_settings.CWbzgDemand == 1;
    m_target.clear();
    m_word.setWord(QString());
    m_line = {};
    m_codeLookedUp = false;
}

bool DrillModel::isWubi() const
{
    return m_settings.InputMeans == WubiInputMeans;
}

void DrillModel::setOptionTicked(bool ticked)
{
    m_optionTicked = ticked;
    storeOption(m_settings, entry().optionSetting(), ticked);
}

void DrillModel::setAnalysisTicked(bool ticked)
{
    m_analysisTicked = ticked;
    storeOption(m_settings, OptionSetting::CWbzgDemand, ticked);
}

bool DrillModel::analysisEnabled() const
{
    return entry().analysisEnabled(m_settings.InputMeans);
}

void DrillModel::setTarget(const QString &target)
{
    m_target = target;
    m_codeLookedUp = false;
    emit targetChanged();
}

void DrillModel::setWord(const DrillLine &line)
{
    m_line = line;
    m_word.setWord(line.target);
    m_codeLookedUp = false;
    emit wordChanged();
}

QString DrillModel::code()
{
    lookUpCode();
    return m_code;
}

QString DrillModel::foundText()
{
    lookUpCode();
    return m_found;
}

// Characters are looked up in the code lists; a phrase brings its code on its
// drill line, and the lists only tell whether they know the phrase.
void DrillModel::lookUpCode()
{
    if (m_codeLookedUp)
        return;
    m_codeLookedUp = true;
    m_code.clear();
    m_found.clear();
    const bool phrase = !entry().singleKey;
    const QString text = phrase ? m_word.word().trimmed() : m_target;
    QString code;
    // A failed load leaves both empty: the drills carry on without codes.
    m_codeTable.FindCode(text, m_found, code);
    m_code = phrase ? m_line.hint : code;
}

QString DrillModel::codeHint(const QString &code) const
{
    return m_settings.InputMeans + QStringLiteral("编码：") + code;
}

SingleKeyInput::KeyDown DrillModel::singleKeyDown(int keyCode) const
{
    return SingleKeyInput::keyDown(keyCode, drillMode(), m_settings.ReciteKey, m_settings.CueKey);
}

WordBoxInput::KeyDown DrillModel::wordKeyDown(int keyCode) const
{
    return WordBoxInput::keyDown(keyCode, wordDrillKind(), m_settings.ReciteKey, m_settings.CueKey);
}

void DrillModel::countKeys(const DrillCounts &counts)
{
    if (counts.input != m_exercise.count(Exercise::Counter::Input))
        m_exercise.setCount(Exercise::Counter::Input, counts.input);
    if (counts.correct != m_exercise.count(Exercise::Counter::Correct))
        m_exercise.setCount(Exercise::Counter::Correct, counts.correct);
    if (counts.wrong != m_exercise.count(Exercise::Counter::Wrong))
        m_exercise.setCount(Exercise::Counter::Wrong, counts.wrong);
}

namespace {

DrillCounts countsOf(const Exercise &exercise)
{
    return {exercise.count(Exercise::Counter::Input), exercise.count(Exercise::Counter::Correct),
            exercise.count(Exercise::Counter::Wrong)};
}

} // namespace

SingleKeyInput::Press DrillModel::singleKeyPress(char32_t code)
{
    m_exercise.startClock();
    DrillCounts counts = countsOf(m_exercise);
    const SingleKeyInput::Press press = SingleKeyInput::keyPress(code, m_target, counts);
    countKeys(counts);
    if (code != KeyChar::Backspace && !m_target.isEmpty()) {
        const char32_t expected = QStringView(m_target).toUcs4().value(0);
        emit keyJudged(QString::fromUcs4(&expected, 1), QString::fromUcs4(&code, 1), press.right);
    }
    playSound(press.sound);
    if (press.right)
        emit nextTargetWanted();
    return press;
}

WordBoxInput::Press DrillModel::wordKeyPress(char32_t code, QStringView typed)
{
    m_exercise.startClock();
    DrillCounts counts = countsOf(m_exercise);
    const WordBoxInput::Press press = m_word.keyPress(code, typed, counts);
    countKeys(counts);
    if (press.markPosition >= 0) {
        emit keyJudged(m_word.word().mid(press.markPosition, 1), QString::fromUcs4(&code, 1),
                       press.mark == WordBoxInput::Mark::Right);
    }
    if (press.nextWord) {
        emit nextWordWanted();
        emit keySound(KeySound::WordDone);
        return press;
    }
    playSound(press.sound);
    return press;
}

void DrillModel::playSound(KeySound sound)
{
    if (sound != KeySound::None)
        emit keySound(sound);
}

void DrillModel::wordChange(QStringView typed)
{
    if (m_word.change(typed)) {
        emit nextWordWanted();
        emit keySound(KeySound::WordDone);
    }
}
