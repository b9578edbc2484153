// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>

#include <optional>

// Every colour dialog of the program goes through a ColourChooser: the real
// one shows the platform's colour dialog, tests script the colours chosen.
class ColourChooser
{
public:
    virtual ~ColourChooser() = default;

    // Asks for a colour, starting from initial. nullopt when the user cancels.
    virtual std::optional<QColor> chooseColour(const QColor &initial) = 0;
};
