// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleHints.h"

#include "core/material/DrillEntry.h"
#include "core/practice/MarkedText.h"

namespace ArticleHints {

namespace {

constexpr qsizetype LongestWord = 4;

Labels codeLabels(const QString &word, const QString &code, const Options &options)
{
    if (options.abreast)
        return {QString(), word, options.inputMeans + QStringLiteral("编码：") + code};
    return {QStringLiteral("【") + word + QStringLiteral("】  ") + options.inputMeans + QStringLiteral("编码：   ")
                + code,
            QString(), QString()};
}

Labels noCodeLabels(const Options &options)
{
    if (options.abreast)
        return {QString(), QStringLiteral("非汉字"), QStringLiteral(" 无编码提示！")};
    return {QStringLiteral("非汉字，无编码提示！"), QString(), QString()};
}

Labels meaningLabels(const QString &word, const QString &meaning, const Options &options)
{
    if (options.abreast)
        return {QString(), word, meaning};
    return {meaning, QString(), QString()};
}

bool sendsCodeToKeyboard(const Options &options)
{
    return !options.abreast && options.inputMeans == WubiInputMeans;
}

bool isFound(const ArticleLookup::Code &code, const QString &text)
{
    return !text.isEmpty() && code.found == text;
}

void setTarget(Next &next, const MarkedText &source, qsizetype position, qsizetype length)
{
    next.target = source.mid(position, length);
    next.targetLength = MarkedText::characterCount(next.target);
}

Next chineseNext(const MarkedText &source, qsizetype position, const Options &options, const ArticleLookup &lookup)
{
    Next next;
    if (!options.smartWordChoice) {
        setTarget(next, source, position, 1);
        if (!options.codeHint) {
            next.labels = Labels();
            return next;
        }
        const ArticleLookup::Code code = lookup.codeOf(next.target);
        next.labels = isFound(code, next.target) ? codeLabels(next.target, code.code, options) : noCodeLabels(options);
        if (sendsCodeToKeyboard(options))
            next.wubiCode = isFound(code, next.target) ? code.code : QString();
        return next;
    }

    const qsizetype left = source.size() - position;
    for (qsizetype n = LongestWord; n >= 1; --n) {
        // Near the end a shorter rest would only be looked up again.
        if (n > 1 && n > left)
            continue;
        const QString text = source.mid(position, n);
        const ArticleLookup::Code code = lookup.codeOf(text);
        if (!isFound(code, text))
            continue;
        setTarget(next, source, position, n);
        if (options.codeHint) {
            next.labels = codeLabels(text, code.code, options);
            if (sendsCodeToKeyboard(options))
                next.wubiCode = code.code;
        } else {
            next.labels = Labels();
        }
        return next;
    }
    setTarget(next, source, position, 1);
    next.labels = options.codeHint ? noCodeLabels(options) : Labels();
    return next;
}

bool isLetter(QStringView character)
{
    if (character.size() != 1)
        return false;
    const QChar lower = character[0].toLower();
    return lower >= u'a' && lower <= u'z';
}

Next englishNext(const MarkedText &source, qsizetype position, const Options &options, const ArticleLookup &lookup)
{
    Next next;
    setTarget(next, source, position, 1);
    if (!options.abreast)
        next.keyMark = next.target;
    if (!options.wordHints) {
        next.labels = Labels();
        return next;
    }

    auto hint = [&](const QString &word) {
        next.labels = meaningLabels(word, lookup.meaningOf(word), options);
        if (options.readAloud && !word.isEmpty())
            next.speech.append(word);
    };
    if (position == 0) {
        const QString text = source.text();
        const qsizetype space = text.indexOf(u' ');
        hint((space < 0 ? text : text.left(space + 1)).trimmed());
    }
    if (!isLetter(next.target) && position < source.size() - 2) {
        qsizetype end = position + 1;
        while (end < source.size() && isLetter(source.at(end)))
            ++end;
        next.hintWord = source.mid(position + 1, end - position - 1);
        hint(next.hintWord);
    }
    return next;
}

} // namespace

Next next(const MarkedText &source, qsizetype position, const Options &options, const ArticleLookup &lookup)
{
    if (options.language == Language::Chinese)
        return chineseNext(source, position, options, lookup);
    return englishNext(source, position, options, lookup);
}

Next cue(const QString &target, const Options &options, const ArticleLookup &lookup)
{
    Next next;
    if (options.language != Language::Chinese)
        return next;
    const ArticleLookup::Code code = lookup.codeOf(target);
    if (!isFound(code, target))
        return next;
    next.labels = codeLabels(target, code.code, options);
    if (sendsCodeToKeyboard(options))
        next.wubiCode = code.code;
    return next;
}

} // namespace ArticleHints
