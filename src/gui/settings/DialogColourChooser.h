// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ColourChooser.h"

class QWidget;

// The platform's colour dialog, full size, over a parent window.
class DialogColourChooser : public ColourChooser
{
public:
    explicit DialogColourChooser(QWidget *parent = nullptr) : m_parent(parent) {}

    std::optional<QColor> chooseColour(const QColor &initial) override;

private:
    QWidget *m_parent;
};
