// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ArticleViewButtons.h"

ArticleViewButtons ArticleViewButtons::forWindowSetting(qint16 window)
{
    ArticleViewButtons buttons;
    if (window != 0)
        buttons.m_abreastEnabled = false;
    else
        buttons.m_normalEnabled = false;
    return buttons;
}

bool ArticleViewButtons::press(View view, PracticeMode mode)
{
    if (!isArticleMode(mode))
        return false;
    m_normalEnabled = view != View::Normal;
    m_abreastEnabled = view != View::Abreast;
    return true;
}
