// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/PracticeMode.h"

#include <QtGlobal>

// The two toolbar buttons that switch a running article exercise between the
// normal view (button 6, "上下对照") and the abreast view (button 7,
// "交替对照"). The button of the view in use is disabled.
class ArticleViewButtons
{
public:
    enum class View { Normal, Abreast };

    // The states at start-up from the Window setting: 0 is the normal view,
    // anything else the abreast view.
    static ArticleViewButtons forWindowSetting(qint16 window);

    bool normalEnabled() const { return m_normalEnabled; }
    bool abreastEnabled() const { return m_abreastEnabled; }

    // A press of the button for the given view. Outside an article exercise
    // nothing happens and false is returned; otherwise the other button is
    // enabled, this one disabled, and true says the view is to be switched.
    bool press(View view, PracticeMode mode);

private:
    bool m_normalEnabled = true;
    bool m_abreastEnabled = true;
};
