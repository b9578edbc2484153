// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/settings/IniDocument.h"
#include "core/settings/SettingsFile.h"

#include "FuzzSupport.h"

using FuzzSupport::require;

namespace {

QString passwordOf(const QByteArray &file)
{
    return IniDocument::fromBytes(file).value(QStringLiteral("user"), QStringLiteral("password"));
}

// Whether every text of the record reads back as it is; numbers always do.
bool textsReadBack(const Settings &s)
{
    for (const QString *text : {&s.Skinpath, &s.BackMusicpath, &s.InputMeans, &s.Voice, &s.Eword, &s.Cword,
                                &s.Phrase, &s.Earticle, &s.Carticle}) {
        if (!FuzzSupport::readsBackUnchanged(*text))
            return false;
    }
    return true;
}

} // namespace

// A user's "Deplog.ini" as found on disk: loaded, saved, loaded again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ProgramFolder program(FuzzSupport::scratchFolder());
    const QString file = FuzzSupport::scratchFolder() + QStringLiteral("/Deplog.ini");
    const QByteArray original(reinterpret_cast<const char *>(data), qsizetype(size));
    FuzzSupport::writeFile(file, original);

    const std::optional<Settings> loaded = LoadSettings(file, program);
    if (!loaded)
        return 0; // refused as damaged: nothing more to check
    require(SaveSettings(*loaded, file, program), "a file that loads can be saved");
    const QByteArray saved = FuzzSupport::readFile(file);
    require(passwordOf(saved) == passwordOf(original), "saving the settings leaves the password alone");

    const std::optional<Settings> again = LoadSettings(file, program);
    require(again.has_value(), "a saved file loads");
    // Reading may tidy a hand-edited value (bytes that are no GBK, quotes
    // around it); every other value must come back as it was saved.
    if (textsReadBack(*loaded)) {
        require(*again == *loaded, "saved settings load back unchanged");
        require(SaveSettings(*again, file, program) && FuzzSupport::readFile(file) == saved,
                "saving the same settings again changes nothing");
    }
    return 0;
}
