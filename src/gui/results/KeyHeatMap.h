// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeyHeat.h"

#include <QWidget>

// The keyboard heat map of the weakness view: the PC keyboard with each
// typed key shaded by its error rate (white to red, full red at 30 % or
// more) or by its slowness (white to blue, full blue at twice the usual
// pace), keys never typed in grey, and a legend under it. Screen readers get
// every key's figures as the accessible description.
class KeyHeatMap : public QWidget
{
    Q_OBJECT

public:
    enum class Shading { Errors, Slowness };

    explicit KeyHeatMap(QWidget *parent = nullptr);

    void setHeat(const KeyHeat &heat);
    const KeyHeat &heat() const { return m_heat; }
    void setShading(Shading shading);
    Shading shading() const { return m_shading; }

    // How strongly a key is shaded, 0 to 1, in the present shading.
    double strength(const KeyHeat::Key &key) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    KeyHeat m_heat;
    Shading m_shading = Shading::Errors;
};
