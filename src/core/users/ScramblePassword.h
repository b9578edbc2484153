// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The scrambled form in which older accounts store their password: a string of
// the same length made of digits and "-". It is a weak, many-to-one transform
// ("abc" gives "959"); it is kept exactly so that the password values of
// existing accounts can still be checked and upgraded to a real hash.
QString ScramblePassword(const QString &password);
