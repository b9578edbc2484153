// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

#include <array>

class RadicalTable;

// What the radical analysis strip shows for a character or phrase: the
// message (which kind of code a character has, or which phrase rule applies)
// and the radicals of the code in four pictures, each a cell of the radical
// picture grid or -1 for an empty picture.
//
// One character, by its code string (its second entry preferred, which is
// its shortest code): none "未找到该字！"; one letter "该字为一级简码！";
// two or three pairs "该字为二级简码！" or "该字为三级简码！" with their
// radicals; four pairs, or two or three pairs and an identification key, the
// character itself with its radicals. Any other code leaves the message as
// it was and shows no radicals.
//
// Two or more characters, each by its full entry: "二字词组！" the first two
// radicals of each; "三字词组！" the first radical of characters 1 and 2 and
// the first two of character 3; "四字词组！" the first radical of each;
// "多字词组！" the first radical of characters 1, 2, 3 and of the last. A
// character without the radical a picture asks for (not in the table, or only
// a first-level letter like 一) leaves that picture empty; the others keep
// their places.
//
// An empty text shows no radicals and leaves the message as it was.
class RadicalAnalysis
{
public:
    static constexpr int PictureCount = 4;
    using Cells = std::array<int, PictureCount>;

    // Analyses text (trimmed by the caller) with the radical table; shown is
    // the message on screen before, kept where the text gives no new one.
    static RadicalAnalysis analyse(const RadicalTable &table, QStringView text, const QString &shown);

    // The message to show after the analysis, and whether it replaced shown.
    const QString &message() const { return m_message; }
    bool messageChanged() const { return m_messageChanged; }

    // The grid cells of pictures 1 to 4; -1 where a picture stays empty.
    const Cells &cells() const { return m_cells; }

    // The message and the radicals shown, for screen readers: "匿：匚 艹 ナ 口",
    // "该字为二级简码！ 字根：弋 工", or the message alone without radicals.
    QString spokenText() const;

private:
    RadicalAnalysis(QString message, bool messageChanged, const Cells &cells);

    QString m_message;
    bool m_messageChanged = false;
    Cells m_cells;
};
