// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/settings/DialogColourChooser.h"

#include <QColorDialog>

std::optional<QColor> DialogColourChooser::chooseColour(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent, QStringLiteral("颜色"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
