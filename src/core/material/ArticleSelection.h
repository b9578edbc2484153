// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/ArticleFile.h"
#include "core/material/ArticleTree.h"
#include "core/material/Language.h"

#include <QString>

#include <optional>

class RandomSource;

// The rules of the article chooser `select_text`: the tree it shows, the
// preview of the article clicked, the countdown box Check2 with its time
// picker, the random-position box Check1, and what OK hands to the exercise.
// The dialog shows this state and passes clicks to it.
class ArticleSelection
{
public:
    static inline const QString DialogTitle = QStringLiteral("选择练习文章");
    static inline const QString ZeroCountdownMessage = QStringLiteral("计时时间不能为零!");

    // The time picker DTPicker1.
    struct Countdown
    {
        int hours = 0;
        int minutes = 0;
        int seconds = 0;
        bool operator==(const Countdown &) const = default;
    };

    enum class Preview {
        Ignored,    // a category node, or no node: nothing changes
        Shown,      // the article is previewed and becomes the article title
        Damaged,    // not eight lines: show ArticleFile::DamagedMessage
        Unreadable, // vanished since the tree was built: show ArticleFile::DamagedMessage
    };

    // What OK starts: Cleanup, then preliminary(language) on practisedText.
    struct Start
    {
        QString practisedText; // also the text of RichTextBox2
        QString title;         // the article title
        Language language = Language::Chinese; // language test of the whole article
        std::optional<Countdown> countdown;    // a timed exercise; nullopt counts up
        bool operator==(const Start &) const = default;
    };

    struct Accepted
    {
        enum class Outcome {
            NotReady,      // no article with text previewed: OK is disabled
            ZeroCountdown, // show ZeroCountdownMessage; the dialog stays open
            Start,         // start holds the exercise; the dialog closes
        };
        Outcome outcome = Outcome::NotReady;
        Start start;
    };

    explicit ArticleSelection(ArticleTree tree);

    const ArticleTree &tree() const { return m_tree; }

    // A click on the node at (category, article); article -1 is the category
    // node itself. A damaged or vanished file leaves the previous preview and
    // OK as they were.
    Preview preview(int category, int article);
    // The article shown, when one is.
    const std::optional<ArticleFile> &previewed() const { return m_previewed; }
    // The article title: the previewed node's text.
    QString title() const { return m_title; }
    // Label1(6): "文章预览：" until an article is shown, then
    // "文章预览：(共" + n + "字)" with n the characters of its text.
    QString previewCaption() const;
    // OK (KorvelButton1) is enabled while the article shown has text.
    bool isOkEnabled() const;

    // Check2 "计时：". Ticking enables the picker and sets its minutes to 10;
    // unticking disables it and sets it to 00:00:00.
    void setCountdownTicked(bool ticked);
    bool isCountdownTicked() const { return m_countdownTicked; }
    // The picker, enabled while Check2 is ticked.
    void setCountdownTime(const Countdown &time) { m_countdown = time; }
    Countdown countdownTime() const { return m_countdown; }

    // Check1 "随机位置打开".
    void setRandomPosition(bool ticked) { m_randomPosition = ticked; }
    bool isRandomPosition() const { return m_randomPosition; }

    // OK. With the random position, the text starts at a character drawn
    // from the first to the last of the article, each as likely; then the
    // language test runs on the whole article. Nothing here changes state:
    // a refused OK leaves no countdown behind.
    Accepted accept(RandomSource &random) const;

private:
    ArticleTree m_tree;
    std::optional<ArticleFile> m_previewed;
    QString m_title;
    bool m_countdownTicked = false;
    Countdown m_countdown;
    bool m_randomPosition = false;
};
