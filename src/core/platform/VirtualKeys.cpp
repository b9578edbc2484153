// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/VirtualKeys.h"

#include <Qt>

#include <array>
#include <utility>

namespace VirtualKeys {

namespace {

// Keys whose codes do not follow from a range of both tables.
constexpr std::array<std::pair<int, int>, 22> singleKeys{{
    {Qt::Key_Backspace, Backspace},
    {Qt::Key_Tab, Tab},
    {Qt::Key_Backtab, Tab},
    {Qt::Key_Return, Enter},
    {Qt::Key_Enter, Enter},
    {Qt::Key_Shift, Shift},
    {Qt::Key_Control, Control},
    {Qt::Key_Alt, Menu},
    {Qt::Key_Pause, Pause},
    {Qt::Key_CapsLock, CapsLock},
    {Qt::Key_Escape, Escape},
    {Qt::Key_Space, Space},
    {Qt::Key_PageUp, PageUp},
    {Qt::Key_PageDown, PageDown},
    {Qt::Key_End, End},
    {Qt::Key_Home, Home},
    {Qt::Key_Left, Left},
    {Qt::Key_Up, Up},
    {Qt::Key_Right, Right},
    {Qt::Key_Down, Down},
    {Qt::Key_Insert, Insert},
    {Qt::Key_Delete, Delete},
}};

} // namespace

int fromQtKey(int qtKey)
{
    // Qt::Key_A..Key_Z and Key_0..Key_9 are the ASCII codes, as are the
    // virtual-key codes of letters and digits.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return F1 + (qtKey - Qt::Key_F1);
    for (const auto &[qt, virtualKey] : singleKeys) {
        if (qt == qtKey)
            return virtualKey;
    }
    return 0;
}

int toQtKey(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    if (virtualKey >= F1 && virtualKey <= F1 + 23)
        return Qt::Key_F1 + (virtualKey - F1);
    for (const auto &[qt, code] : singleKeys) {
        if (code == virtualKey)
            return qt;
    }
    return Qt::Key_unknown;
}

} // namespace VirtualKeys
