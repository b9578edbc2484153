// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/RandomSource.h"

#include <QList>

// Random numbers from a script, for draws that tests can foresee. With the
// script used up it answers 0.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(QList<double> script) : m_script(std::move(script)) {}

    void append(double value) { m_script.append(value); }
    void append(std::initializer_list<double> values) { m_script.append(QList<double>(values)); }
    double next() override { return m_script.isEmpty() ? 0.0 : m_script.takeFirst(); }
    qsizetype left() const { return m_script.size(); }

private:
    QList<double> m_script;
};
