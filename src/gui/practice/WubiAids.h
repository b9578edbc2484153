// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The drills' calls into the Wubi aids: the radical analyses Wbzg2 (character
// drill) and Wbzg1 (phrase drill) and the Wubi key map lumo_wbjp1 that takes
// the on-screen keyboard's place with the input method "五笔". These
// controls arrive with the Wubi aids; until then every call does nothing and
// the on-screen keyboard stays in place.
class WubiAids
{
public:
    enum class Analysis { Wbzg1, Wbzg2 };

    // WBZGDemand of the analysis: shows the radicals of a character or phrase.
    void WBZGDemand(Analysis, const QString &) {}
    void showAnalysis(Analysis, bool) {}

    // The Wubi key map: shows the keys of a code, clears them, or swaps it
    // with the on-screen keyboard.
    void load_wbm(const QString &) {}
    void conceal_wbm() {}
    bool showWubiKeyboard(bool) { return false; }
};
