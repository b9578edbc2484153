// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

class ProgramFolder;

// The skins the settings dialog offers and what it says about each.
namespace SkinList {

// The subfolders of the program folder's "\skins\" whose "skin.ini" names
// them: the key Name of section "skin" equals the folder name exactly. A
// folder whose description names another folder, or none, is left out.
// Sorted by name.
QStringList listedSkins(const ProgramFolder &programFolder);

// The note shown for a listed skin: "制作人：" + author + line break +
// "说  明：" + explain, both from section "skin" of its "skin.ini".
QString note(const ProgramFolder &programFolder, const QString &name);

// The note of the built-in look ("默认皮肤").
QString builtInNote();

// The entry for the built-in look, listed after the skins.
inline const QString builtInEntry = QStringLiteral("默认皮肤");

} // namespace SkinList
