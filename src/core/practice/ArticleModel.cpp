// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleModel.h"

#include "core/practice/Exercise.h"
#include "core/practice/OptionSetting.h"
#include "core/settings/Settings.h"

using Counter = Exercise::Counter;
using Mark = MarkedText::Mark;

namespace {

char32_t firstCharacter(QStringView text)
{
    return text.toUcs4().value(0);
}

} // namespace

ArticleModel::ArticleModel(Settings &settings, Exercise &exercise, ArticleLookup lookup, QObject *parent)
    : QObject(parent), m_settings(settings), m_exercise(exercise), m_lookup(std::move(lookup))
{
}

void ArticleModel::open(Language language, View view)
{
    m_language = language;
    m_view = view;
    m_finished = false;
    m_boxes.fill(Box());
    m_lines.clear();
    m_pageOffset = 0;
    m_activeLine = 1;
    m_hintWord.clear();

    const MarkedText practised(m_exercise.practisedText());
    m_practisedLength = practised.size();
    const QString rest = practised.mid(m_exercise.count(Counter::Input));
    if (view == View::Normal) {
        m_boxes[NormalBox].source = MarkedText(rest);
        m_boxes[NormalBox].enabled = true;
        emit sourcesChanged();
        emit focusWanted(NormalBox);
        runChange(NormalBox, QStringView());
        return;
    }
    m_lines = ArticleLines::cut(rest, language);
    loadPage();
}

void ArticleModel::switchView(View view)
{
    m_exercise.setEarlierCount(m_exercise.count(Counter::Input));
    open(m_language, view);
}

const ArticleModel::Box &ArticleModel::box(int index) const
{
    static const Box none;
    return index >= 0 && index <= PairCount ? m_boxes[std::size_t(index)] : none;
}

qsizetype ArticleModel::maxLength(int index) const
{
    return index == NormalBox ? -1 : box(index).source.text().size();
}

bool ArticleModel::accepts(int index) const
{
    if (m_finished)
        return false;
    if (m_view == View::Normal)
        return index == NormalBox;
    return index >= 1 && index <= PairCount && m_boxes[std::size_t(index)].enabled;
}

ArticleHints::Options ArticleModel::hintOptions() const
{
    ArticleHints::Options options;
    options.language = m_language;
    options.abreast = m_view == View::Abreast;
    options.smartWordChoice = optionTicked(m_settings, OptionSetting::CWordElect);
    options.codeHint = optionTicked(m_settings, OptionSetting::CAWordCue);
    options.wordHints = optionTicked(m_settings, OptionSetting::EWordCue);
    options.readAloud = optionTicked(m_settings, OptionSetting::EAutoRecite);
    options.inputMeans = m_settings.InputMeans;
    return options;
}

ArticleModel::Press ArticleModel::keyPress(int index, char32_t code, QStringView typed)
{
    Press press;
    if (!accepts(index))
        return press;
    m_exercise.startClock();
    if (code == KeyChar::Enter) {
        press.swallow = true;
        return press;
    }
    if (code == KeyChar::Tab || code == KeyChar::Escape)
        return press;

    Box &box = m_boxes[std::size_t(index)];
    const bool backspace = code == KeyChar::Backspace;
    QString judged;
    QString expected;
    if (backspace) {
        const MarkedText typedText(typed.toString());
        judged = typedText.at(typedText.size() - 1);
        expected = box.source.at(typedText.size() - 1);
    } else {
        judged = QString::fromUcs4(&code, 1);
        expected = box.target;
    }

    // Nothing to judge: Backspace in an empty box, or nothing left to type.
    if (!judged.isEmpty() && !expected.isEmpty() && !box.target.isEmpty()) {
        const bool right = firstCharacter(judged) == firstCharacter(expected);
        const Counter counter = right ? Counter::Correct : Counter::Wrong;
        if (backspace) {
            // The deleted character keeps its colour until it is typed again.
            m_exercise.takeOne(counter);
        } else {
            press.mark = right ? Mark::Right : Mark::Wrong;
            box.source.setMarks(box.position, box.targetLength, press.mark);
            emit marksChanged(index, box.selectionStart(), box.selectionLength());
            emit keySound(right ? KeySound::Right : KeySound::Wrong);
            const char32_t wanted = firstCharacter(box.target);
            if (!right)
                m_exercise.appendWrongCharacter(QString::fromUcs4(&wanted, 1));
            m_exercise.addOne(counter);
            emit keyJudged(QString::fromUcs4(&wanted, 1), judged, right);
        }
    }

    // The key is judged before it reaches the box, so the input count still
    // lacks it.
    const int inputCount = m_exercise.count(Counter::Input);
    if (inputCount == m_practisedLength - 1) {
        // The figures handed to the save dialog include the last character.
        if (!backspace)
            m_exercise.setCount(Counter::Input, inputCount + 1);
        m_exercise.stopClock();
        m_finished = true;
        press.finished = true;
        emit finished();
    }
    return press;
}

void ArticleModel::change(int index, QStringView typed)
{
    if (accepts(index))
        runChange(index, typed);
}

void ArticleModel::runChange(int index, QStringView typed)
{
    Box &box = m_boxes[std::size_t(index)];
    m_hintWord.clear();
    box.typed = typed.toString();
    // An abreast input line holds no more than its source line.
    const qsizetype length = qMin(MarkedText::characterCount(typed), box.source.size());
    box.position = length;
    // An empty box counts as nothing typed in it, so a view switch or the
    // stored place goes on at the right character.
    m_exercise.setCount(Counter::Input, m_exercise.earlierCount() + int(length));

    show(index, ArticleHints::next(box.source, box.position, hintOptions(), m_lookup));

    if (m_view == View::Normal)
        return;
    if (length == 0 || length < box.source.size()) {
        m_activeLine = index;
        return;
    }
    // A finished text waits for the save dialog.
    if (m_exercise.count(Counter::Input) != m_practisedLength)
        advanceLine(length);
}

void ArticleModel::show(int index, const ArticleHints::Next &next)
{
    Box &box = m_boxes[std::size_t(index)];
    box.target = next.target;
    box.targetLength = next.targetLength;
    emit targetChanged(index);
    if (next.keyMark)
        emit keyMarkWanted(*next.keyMark);
    if (next.labels && *next.labels != m_labels) {
        m_labels = *next.labels;
        emit hintsChanged();
    }
    if (next.wubiCode)
        emit wubiCodeWanted(*next.wubiCode);
    m_hintWord = next.hintWord;
    for (const QString &word : next.speech)
        emit speechWanted(word);
}

void ArticleModel::advanceLine(qsizetype typedLength)
{
    m_exercise.setEarlierCount(m_exercise.earlierCount() + int(typedLength));
    if (m_activeLine == PairCount) {
        m_pageOffset += PairCount;
        loadPage();
        return;
    }
    const int done = m_activeLine;
    const int next = done + 1;
    // Unreachable while the counts agree with the lines; an unfinished text
    // always has a further line.
    if (m_boxes[std::size_t(next)].source.isEmpty())
        return;
    m_boxes[std::size_t(done)].enabled = false;
    emit targetChanged(done);
    m_boxes[std::size_t(next)].enabled = true;
    m_activeLine = next;
    emit focusWanted(next);
    runChange(next, QStringView());
}

void ArticleModel::loadPage()
{
    for (int i = 1; i <= PairCount; ++i) {
        Box &box = m_boxes[std::size_t(i)];
        box = Box();
        const int line = m_pageOffset + i - 1;
        if (line < m_lines.size())
            box.source = MarkedText(m_lines[line]);
    }
    m_activeLine = 1;
    Box &first = m_boxes[1];
    first.enabled = !first.source.isEmpty();
    emit sourcesChanged();
    if (!first.enabled)
        return;
    emit focusWanted(1);
    runChange(1, QStringView());
}

void ArticleModel::keyDown(int index, int keyCode)
{
    if (!accepts(index))
        return;
    if (m_language == Language::English) {
        if (keyCode == m_settings.ReciteKey && !m_hintWord.isEmpty())
            emit speechWanted(m_hintWord);
        return;
    }
    if (keyCode != m_settings.CueKey)
        return;
    const ArticleHints::Next cue = ArticleHints::cue(m_boxes[std::size_t(index)].target, hintOptions(), m_lookup);
    if (cue.labels && *cue.labels != m_labels) {
        m_labels = *cue.labels;
        emit hintsChanged();
    }
    if (cue.wubiCode)
        emit wubiCodeWanted(*cue.wubiCode);
}
