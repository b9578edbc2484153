// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringView>

// The one-line description of a Wubi key, as the first two games show it:
// the key-name character (键名字), the key's main radicals (字根) and its
// first-level short-code character (高频字). key is a lower-case key letter
// "a" to "y"; anything else -- "z", an upper-case letter, the empty text,
// two letters -- has no description: an empty string.
QString KeyInfo(QStringView key);
