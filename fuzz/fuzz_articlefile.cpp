// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleFile.h"
#include "core/material/ArticleText.h"
#include "core/platform/TextCodec.h"
#include "core/results/WrongCharacterFile.h"

#include "FuzzSupport.h"

#include <QStringDecoder>

using FuzzSupport::require;

// Article files (".lmf") and plain text files as the article entries open
// them, and the wrong-character practice file written from any text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = FuzzSupport::scratchFolder();
    const QString article = folder + QStringLiteral("/a.lmf");
    const QString plain = folder + QStringLiteral("/a.txt");
    FuzzSupport::writeFile(article, bytes);
    FuzzSupport::writeFile(plain, bytes);

    const QStringList lines = TextCodec::splitLines(TextCodec::decode(bytes));
    const ArticleFile file = ArticleFile::read(article);
    require(file.status == (lines.size() == ArticleFile::LineCount ? ArticleFile::Status::Read
                                                                   : ArticleFile::Status::Damaged),
            "an article file reads exactly when it has eight lines");
    if (file.status == ArticleFile::Status::Read)
        require(file == ArticleFile::fromLines(lines) && file.text == lines.last(), "line 8 is the article text");

    const ArticleText fromArticle = ArticleText::read(article);
    switch (file.status) {
    case ArticleFile::Status::Read:
        require(fromArticle.text == file.text, "an article's practice text is its line 8");
        require((fromArticle.status == ArticleText::Status::Empty) == file.text.isEmpty(),
                "an article without text is empty");
        break;
    case ArticleFile::Status::Damaged:
        require(fromArticle.status == ArticleText::Status::Damaged, "a damaged article file is damaged");
        break;
    case ArticleFile::Status::Unreadable:
        require(false, "an article file that is there can be read");
    }

    const ArticleText fromPlain = ArticleText::read(plain);
    require(fromPlain.status == (fromPlain.text.isEmpty() ? ArticleText::Status::Empty : ArticleText::Status::Read),
            "a plain file is read, or empty");
    require(!fromPlain.text.contains(u'\n'), "a plain text is one run without line ends");
    require(!fromPlain.text.startsWith(u' ') && !fromPlain.text.endsWith(u' '), "a plain text has no edge spaces");
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        require(ArticleText::decodePlain(bytes) == asUtf8, "valid UTF-8 reads as UTF-8");

    // Any text typed wrongly becomes one line of a readable article file.
    const QString wrong = TextCodec::decode(bytes.first(std::min<qsizetype>(bytes.size(), 512)));
    QString error;
    require(WrongCharacterFile::write(folder, QStringLiteral("english\\"), QStringLiteral("a"), wrong, &error),
            "a wrong-character file can be written");
    const ArticleFile written = ArticleFile::read(WrongCharacterFile::path(folder, QStringLiteral("english\\"),
                                                                           QStringLiteral("a")));
    require(written.status == ArticleFile::Status::Read, "a wrong-character file has eight lines");
    QString oneLine = wrong;
    oneLine.remove(u'\r').remove(u'\n');
    require(written.text == TextCodec::decode(TextCodec::encode(oneLine)), "its text is the wrong characters");
    return 0;
}
