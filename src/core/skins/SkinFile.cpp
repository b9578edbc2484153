// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/skins/SkinFile.h"

#include "core/platform/ProgramFolder.h"
#include "core/platform/WindowsColor.h"
#include "core/settings/IniDocument.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

const QString section = QStringLiteral("skin");

std::optional<double> number(QStringView text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The text keys in file order, each with its field.
struct TextKey
{
    const char16_t *name;
    QString SkinDescription::*field;
};

const std::array<TextKey, 25> textKeys = {{
    {u"Caption_Color", &SkinDescription::Caption_Color},
    {u"Caption_Pic", &SkinDescription::Caption_Pic},
    {u"About_PicUp", &SkinDescription::About_PicUp},
    {u"About_PicDown", &SkinDescription::About_PicDown},
    {u"Little_PicUp", &SkinDescription::Little_PicUp},
    {u"Little_PicDown", &SkinDescription::Little_PicDown},
    {u"Close_PicUp", &SkinDescription::Close_PicUp},
    {u"Close_PicDown", &SkinDescription::Close_PicDown},
    {u"Rim_PicLeft", &SkinDescription::Rim_PicLeft},
    {u"Rim_PicLeftBottom", &SkinDescription::Rim_PicLeftBottom},
    {u"Rim_PicBottom", &SkinDescription::Rim_PicBottom},
    {u"Rim_PicRightBottom", &SkinDescription::Rim_PicRightBottom},
    {u"Rim_PicRight", &SkinDescription::Rim_PicRight},
    {u"Menu_BackColor", &SkinDescription::Menu_BackColor},
    {u"Menu_UpColor", &SkinDescription::Menu_UpColor},
    {u"Menu_DownColor", &SkinDescription::Menu_DownColor},
    {u"Menu_FrameColor", &SkinDescription::Menu_FrameColor},
    {u"Menu_FontColor", &SkinDescription::Menu_FontColor},
    {u"Window_BackColor", &SkinDescription::Window_BackColor},
    {u"TextBoxColor", &SkinDescription::TextBoxColor},
    {u"Lable_FontColor", &SkinDescription::Lable_FontColor},
    {u"Button_BackColor", &SkinDescription::Button_BackColor},
    {u"Button_FontColor", &SkinDescription::Button_FontColor},
    {u"Button_FrameColor", &SkinDescription::Button_FrameColor},
    {u"Button_DownColor", &SkinDescription::Button_DownColor},
}};

} // namespace

namespace SkinFile {

QString folder(const ProgramFolder &programFolder, const QString &name)
{
    return programFolder.path(QStringLiteral("\\skins\\") + name);
}

QString descriptionFile(const ProgramFolder &programFolder, const QString &name)
{
    return programFolder.path(QStringLiteral("\\skins\\") + name + QStringLiteral("\\skin.ini"));
}

QString hiDpiName(const QString &name)
{
    const qsizetype component = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/')) + 1;
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype at = dot > component ? dot : name.size();
    return name.left(at) + QStringLiteral("@2x") + name.mid(at);
}

std::optional<bool> boolean(QStringView text)
{
    const QStringView word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = number(word))
        return *value != 0;
    return std::nullopt;
}

std::optional<QColor> colour(QStringView text)
{
    const std::optional<double> value = number(text);
    if (!value)
        return std::nullopt;
    // Halves to even, as every number the program reads from text.
    const double rounded = std::nearbyint(*value);
    // Written signed (system colours are negative) or unsigned.
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<quint32>::max())
        return std::nullopt;
    const auto bits = rounded < 0 ? quint32(qint32(rounded)) : quint32(rounded);
    return WindowsColor::toQColor(qint32(bits));
}

} // namespace SkinFile

bool ReadSkinFile(const QString &path, SkinDescription &description)
{
    const std::optional<IniDocument> file = IniDocument::load(path);
    if (!file)
        return false;
    const std::optional<bool> xpStyle = SkinFile::boolean(file->value(section, QStringLiteral("Button_XpStyle")));
    const std::optional<bool> xpWinStyle =
        SkinFile::boolean(file->value(section, QStringLiteral("Button_XpWinStyle")));
    if (!xpStyle || !xpWinStyle)
        return false;
    SkinDescription read;
    for (const TextKey &key : textKeys)
        read.*key.field = file->value(section, QString::fromUtf16(key.name));
    read.Button_XpStyle = *xpStyle;
    read.Button_XpWinStyle = *xpWinStyle;
    description = read;
    return true;
}
