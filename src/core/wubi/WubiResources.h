// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

// The Wubi radical table and the radical picture grids that travel inside the
// program. They live in the core library and are registered by their first
// use, so only programs that read them carry them (the audio module does not).
namespace WubiResources {

// The resource path of name ("radicals.txt", "radical-grid.png",
// "radical-grid@4x.png"), registered before it is returned.
QString path(QStringView name);

} // namespace WubiResources
