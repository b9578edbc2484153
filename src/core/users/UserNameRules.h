// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// What a new user name must be. The name becomes the account's folder name
// below the accounts folder, so besides the program's own rules (not empty,
// not starting with a digit) it has to be one safe folder name on Windows and
// Linux alike: never a path, never a name that system would change or refuse.
namespace UserNameRules {

enum class Problem {
    None,
    Empty,
    LeadingDigit,        // starts with an ASCII digit 0 to 9
    ForbiddenCharacter,  // \ / : * ? " < > |, a control character, or one GBK cannot hold
    EdgeSpaceOrDot,      // begins or ends with a space or a dot (so also "." and "..")
    ReservedName,        // a device name of Windows such as CON or LPT1
    TooLong,             // longer than a folder name may be
};

// The first problem of the name, in the order of the list above.
Problem check(const QString &name);

// The notice shown for a problem (empty for None).
QString message(Problem problem);

} // namespace UserNameRules
