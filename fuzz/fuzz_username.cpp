// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/users/AccountsFolder.h"
#include "core/users/UserNameRules.h"

#include "FuzzSupport.h"

#include <QDir>
#include <QFileInfo>

using FuzzSupport::require;

namespace {

// Every entry below the scratch program folder, so that nothing made
// outside the accounts folder goes unnoticed.
QStringList entriesBelow(const QString &folder)
{
    QStringList entries;
    const QFileInfoList infos =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : infos) {
        entries.append(info.filePath());
        if (info.isDir() && !info.isSymLink())
            entries.append(entriesBelow(info.filePath()));
    }
    return entries;
}

} // namespace

// A user name as typed (any UTF-16, the input taken as UTF-16 or UTF-8),
// checked by the rules and, when they let it pass, made into an account
// folder and removed again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool utf16 = data[0] & 1;
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    const QString name = utf16 ? QString(reinterpret_cast<const QChar *>(rest), qsizetype((size - 1) / 2))
                               : QString::fromUtf8(rest, qsizetype(size - 1));

    const QString program = FuzzSupport::scratchFolder();
    const AccountsFolder accounts{AccountsLocation::inProgramFolder(ProgramFolder(program))};
    const QStringList before = entriesBelow(program);

    const UserNameRules::Problem problem = UserNameRules::check(name);
    require(problem == UserNameRules::Problem::None || !UserNameRules::message(problem).isEmpty(),
            "every problem has its notice");
    QString folder;
    QString error;
    const AccountsFolder::Creation creation = accounts.createUserFolder(name, &folder, &error);
    if (problem != UserNameRules::Problem::None) {
        require(creation == AccountsFolder::Creation::Failed, "a name the rules refuse makes no account");
        require(entriesBelow(program) == before, "a refused name makes nothing");
        return 0;
    }
    require(creation == AccountsFolder::Creation::Created, "a name the rules let pass makes its account");
    require(QFileInfo(folder).isDir(), "the account folder is there");
    require(QFileInfo(folder).absoluteDir() == QDir(accounts.path()), "the account lies inside the accounts folder");
    require(accounts.users() == QStringList{name}, "the account is listed by its name");
    require(accounts.userFolder(name) == folder, "the account is found by its name");
    // Another spelling of the name that matches it without regard to case
    // names the same account.
    const QString upper = name.toUpper();
    if (upper != name && upper.compare(name, Qt::CaseInsensitive) == 0) {
        require(accounts.userFolder(upper) == folder, "the account is found in any case");
        if (UserNameRules::check(upper) == UserNameRules::Problem::None)
            require(accounts.createUserFolder(upper, nullptr) == AccountsFolder::Creation::NameTaken,
                    "the name in another case is taken");
    }
    require(accounts.removeUser(name), "the account can be removed");
    require(accounts.users().isEmpty(), "nothing is left of the account");
    return 0;
}
