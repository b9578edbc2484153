// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsFile.h"

#include "core/platform/FolderFiles.h"
#include "core/platform/TextNumbers.h"
#include "core/settings/IniDocument.h"
#include "core/settings/SettingsPath.h"

#include <QFileInfo>

#include <variant>

namespace {

using TextField = QString Settings::*;
using ShortField = qint16 Settings::*;
using LongField = qint32 Settings::*;

// What DefaultSettings gives a field.
enum class NewUser {
    Kept,      // left as it is
    Given,     // the entry's default text
    MusicFile, // DefaultMusicPath()
};

struct Entry
{
    const char *section;
    const char *key; // UTF-8
    std::variant<TextField, ShortField, LongField> field;
    NewUser newUser = NewUser::Kept;
    const char *defaultText = ""; // as written in the file (UTF-8 here)
};

// Key name and field name are the same word.
#define KEY(name) #name, &Settings::name

// The file's sections and keys in file order; load, save and the new-user
// values all follow it.
const Entry Table[] = {
    {"skin", KEY(Skinpath), NewUser::Given, ""},
    {"music", KEY(BackMusic), NewUser::Given, "1"},
    {"music", KEY(BackMusicpath), NewUser::MusicFile},
    {"music", KEY(KeyMusic), NewUser::Given, "0"},
    {"music", KEY(MusicInst), NewUser::Given, "0"},
    {"music", KEY(CueMusic), NewUser::Given, "1"},
    {"play", KEY(P1Text)},
    {"play", KEY(P1Speed)},
    {"play", KEY(MaxTss), NewUser::Given, "5"},
    {"play", KEY(P2Text)},
    {"play", KEY(P2Speed)},
    {"play", KEY(P2MaxTime), NewUser::Given, "10"},
    {"play", KEY(P3Text), NewUser::Given, "1"},
    {"play", KEY(P3Speed)},
    {"other", KEY(EWordRecite), NewUser::Given, "1"},
    {"other", KEY(EWordCue), NewUser::Given, "1"},
    {"other", KEY(EAutoRecite), NewUser::Given, "1"},
    {"other", KEY(CWordCue), NewUser::Given, "1"},
    {"other", KEY(CWordElect), NewUser::Given, "1"},
    {"other", KEY(CWbzgDemand), NewUser::Given, "1"},
    {"other", KEY(CAWordCue), NewUser::Given, "1"},
    {"other", KEY(InputMeans), NewUser::Given, "五笔"},
    {"other", KEY(Window), NewUser::Given, "1"},
    {"other", KEY(RightColor), NewUser::Given, "16711680"},
    {"other", KEY(ErrorColor), NewUser::Given, "255"},
    {"other", KEY(Speed), NewUser::Given, "170"},
    {"other", KEY(Voice), NewUser::Given, "女声"},
    {"other", KEY(ReciteKey), NewUser::Given, "114"},
    {"other", KEY(CueKey), NewUser::Given, "113"},
    {"other", "内置输入法", &Settings::BuiltInInput, NewUser::Given, "自动"},
    {"exercise", KEY(Letter), NewUser::Given, "0"},
    {"exercise", KEY(Eword)},
    {"exercise", KEY(Cword)},
    {"exercise", KEY(Phrase)},
    {"exercise", KEY(Earticle)},
    {"exercise", KEY(Eplace), NewUser::Given, "0"},
    {"exercise", KEY(Carticle)},
    {"exercise", KEY(Cplace), NewUser::Given, "0"},
};

#undef KEY

// The fields that name a file by its path.
bool holdsPath(const Entry &entry)
{
    const TextField *field = std::get_if<TextField>(&entry.field);
    return field
        && (*field == &Settings::BackMusicpath || *field == &Settings::Earticle || *field == &Settings::Carticle);
}

void assign(Settings &settings, const Entry &entry, const QString &text)
{
    std::visit(
        [&](auto field) {
            using Field = decltype(field);
            if constexpr (std::is_same_v<Field, TextField>)
                settings.*field = text;
            else if constexpr (std::is_same_v<Field, ShortField>)
                settings.*field = TextNumbers::toInt16(text);
            else
                settings.*field = TextNumbers::toInt32(text);
        },
        entry.field);
}

QString textOf(const Settings &settings, const Entry &entry)
{
    return std::visit(
        [&](auto field) {
            if constexpr (std::is_same_v<decltype(field), TextField>)
                return settings.*field;
            else
                return QString::number(settings.*field);
        },
        entry.field);
}

} // namespace

std::optional<IniDocument> readSettingsDocument(const QString &file, QString *error)
{
    std::optional<IniDocument> document = IniDocument::load(file, error);
    if (!document)
        return std::nullopt;
    // A missing file loads as an empty document, which is fine; an existing
    // one must be a settings file.
    if (!document->isIniText() && QFileInfo::exists(file)) {
        if (error)
            *error = QStringLiteral("不是设置文件：") + file;
        return std::nullopt;
    }
    return document;
}

std::optional<Settings> LoadSettings(const QString &file, const ProgramFolder &folder, QString *error)
{
    const std::optional<IniDocument> document = readSettingsDocument(file, error);
    if (!document)
        return std::nullopt;
    return LoadSettings(*document, folder);
}

Settings LoadSettings(const IniDocument &document, const ProgramFolder &folder)
{
    Settings settings;
    for (const Entry &entry : Table) {
        const QString text = document.value(QLatin1String(entry.section), QString::fromUtf8(entry.key));
        assign(settings, entry, holdsPath(entry) ? SettingsPath::fromFileText(text, folder) : text);
    }
    return settings;
}

bool SaveSettings(const Settings &settings, const QString &file, const ProgramFolder &folder,
                  QString *error)
{
    std::optional<IniDocument> document = readSettingsDocument(file, error);
    if (!document)
        return false;
    for (const Entry &entry : Table) {
        const QString text = textOf(settings, entry);
        document->setValue(QLatin1String(entry.section), QString::fromUtf8(entry.key),
                           holdsPath(entry) ? SettingsPath::toFileText(text, folder) : text);
    }
    return document->save(file, error);
}

void DefaultSettings(Settings &settings, const ProgramFolder &folder)
{
    for (const Entry &entry : Table) {
        switch (entry.newUser) {
        case NewUser::Kept:
            break;
        case NewUser::Given:
            assign(settings, entry, QString::fromUtf8(entry.defaultText));
            break;
        case NewUser::MusicFile:
            assign(settings, entry, DefaultMusicPath(folder));
            break;
        }
    }
}

QString DefaultMusicPath(const ProgramFolder &folder)
{
    const QString music = folder.path(QStringLiteral("\\Music\\"));
    const QStringList tunes = FolderFiles::namesEndingIn(music, u".mid");
    return music + QLatin1Char('/') + (tunes.isEmpty() ? QString() : tunes.first());
}
