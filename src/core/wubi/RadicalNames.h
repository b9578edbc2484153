// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// What a screen reader says for a cell of the radical picture grid: the
// radical's own character where it has one ("工", "艹", "ナ", "氵"), else a
// short description of the part of a character it is ("羊的下部",
// "舟去首笔"). Blank cells and indexes outside the grid have no name.
class RadicalNames
{
public:
    static QString nameOf(int cell);
};
