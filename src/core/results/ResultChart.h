// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"

#include <QtGlobal>

#include <optional>

// Which results the analysis chart shows: the language whose file is drawn,
// and the scroll bar through its records. Seven slots show records p + 1 to
// p + 7 of the file, oldest on the left, p being the scroll position; the
// bar's arrows and page clicks both move it by one record. The records
// themselves come from ResultFile::read(firstShown(), shownCount()), their
// drawing from ChartLayout.
class ResultChart
{
public:
    static constexpr int SlotCount = 7;

    // A language's chart drawn afresh from a file of recordCount records:
    // the newest seven are shown, the scroll bar at its end. Up to seven
    // records all show and the scroll bar has no range.
    void show(Language language, qint64 recordCount);

    // The language shown; none before the first chart.
    std::optional<Language> language() const { return m_language; }
    // " 英文成绩分析" and " 中文成绩分析": the button of the language shown is
    // disabled, the other one enabled. Before the first chart only the
    // Chinese one is disabled.
    bool isButtonEnabled(Language button) const;

    qint64 recordCount() const { return m_recordCount; }
    qint64 scrollMaximum() const;
    qint64 scrollPosition() const { return m_position; }
    // A scroll bar change; the position is kept within 0 and the maximum.
    void setScrollPosition(qint64 position);

    // The record in slot 0 (numbers from 1) and how many slots hold one; the
    // slots after them are cleared. With no records: 1 and 0.
    qint64 firstShown() const { return m_position + 1; }
    int shownCount() const;

private:
    std::optional<Language> m_language;
    qint64 m_recordCount = 0;
    qint64 m_position = 0;
};
