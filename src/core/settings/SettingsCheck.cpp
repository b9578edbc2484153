// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsCheck.h"

#include "core/settings/BuiltInInputMode.h"
#include "core/settings/SettingsFile.h"

#include <QFileInfo>

namespace {

// Whether parent (a program-folder literal such as "\skins\") holds a folder
// called name. Only a plain folder name counts: an empty name, "." or ".." or
// a name with a separator would name the parent or a folder elsewhere.
bool hasSubfolder(const ProgramFolder &folder, const QString &parent, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    return QFileInfo(folder.path(parent + name)).isDir();
}

void keepSwitch(qint16 &value, qint16 otherwise)
{
    if (value != 0 && value != 1)
        value = otherwise;
}

void keepFunctionKey(qint16 &key, qint16 otherwise)
{
    if (key < 113 || key > 123)
        key = otherwise;
}

} // namespace

SettingsCheck CheckSettings(Settings &settings, const ProgramFolder &folder, Prompter &prompter)
{
    const QString skins = QStringLiteral("\\skins\\");
    const QString inputMethods = QStringLiteral("\\Chinese\\");

    // An empty Skinpath (the built-in look) passes unchanged.
    if (!hasSubfolder(folder, skins, settings.Skinpath))
        settings.Skinpath.clear();
    keepSwitch(settings.BackMusic, 1);
    if (settings.BackMusicpath.isEmpty())
        settings.BackMusicpath = DefaultMusicPath(folder);
    keepSwitch(settings.KeyMusic, 0);
    for (qint16 *option : {&settings.CueMusic, &settings.EWordRecite, &settings.EWordCue,
                           &settings.EAutoRecite, &settings.CWordCue, &settings.CWordElect,
                           &settings.CWbzgDemand})
        keepSwitch(*option, 1);

    // An empty InputMeans names no input method, so it falls back like a
    // deleted one (the lookups would otherwise search "\chinese\" itself).
    if (!hasSubfolder(folder, inputMethods, settings.InputMeans)) {
        settings.InputMeans = QStringLiteral("五笔");
        if (!hasSubfolder(folder, inputMethods, settings.InputMeans)) {
            settings.InputMeans = QStringLiteral("拼音");
            if (!hasSubfolder(folder, inputMethods, settings.InputMeans)) {
                prompter.inform(QStringLiteral("没有输入法支持文件，请重新安装软件！"),
                                QStringLiteral("软件不能启动"), Prompter::Icon::Error);
                return SettingsCheck::EndProgram;
            }
        }
    }

    keepSwitch(settings.Window, 1);
    if (settings.RightColor == 0)
        settings.RightColor = 0xFF0000;
    if (settings.ErrorColor == 0)
        settings.ErrorColor = 255;
    if (settings.Speed == 0)
        settings.Speed = 170;
    if (settings.Voice.isEmpty())
        settings.Voice = QStringLiteral("女声");
    keepFunctionKey(settings.ReciteKey, 114);
    keepFunctionKey(settings.CueKey, 113);
    if (!builtInInputModeNamed(settings.BuiltInInput))
        settings.BuiltInInput = builtInInputModeName(BuiltInInputMode::Auto);
    if (settings.Letter < 0 || settings.Letter > 2)
        settings.Letter = 0;
    // A place is 1-based; a negative one from a hand-edited file would point
    // before the article's start.
    if (settings.Eplace < 1)
        settings.Eplace = 1;
    if (settings.Cplace < 1)
        settings.Cplace = 1;
    return SettingsCheck::Continue;
}
