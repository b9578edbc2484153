// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/SystemRandom.h"

#include <QRandomGenerator>

double SystemRandom::next()
{
    return QRandomGenerator::global()->generateDouble();
}
