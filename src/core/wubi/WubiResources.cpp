// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/WubiResources.h"

// Outside any namespace, as the registration macro requires.
static void registerWubiData()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(wubi_data);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace WubiResources {

QString path(QStringView name)
{
    registerWubiData();
    return QStringLiteral(":/wubi/") + name.toString();
}

} // namespace WubiResources
