// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// What the picture generators share: a picture as a name, a size at 1x and a
// way to draw it; rendering at a scale; and the generator's whole run, which
// writes every picture at 1x and @2x and the Qt resource file listing them.
#pragma once

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QTextStream>

#include <functional>

using Draw = std::function<void(QPainter &, const QSizeF &)>;

struct Picture
{
    QString name;
    QSize size;
    Draw draw;
};

inline QImage render(const Picture &picture, int scale, QPainter::RenderHints hints)
{
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(hints);
    painter.scale(scale, scale);
    picture.draw(painter, QSizeF(picture.size));
    painter.end();
    return image;
}

// The generator's main: "<tool> <output folder>". pictures is asked only once
// the application exists, since drawing text needs its fonts.
inline int writePictureSet(int argc, char *argv[], const QString &tool, const QString &resourceFile,
                           const QString &prefix, const std::function<QList<Picture>()> &pictures,
                           QPainter::RenderHints hints)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: " << tool << " <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }

    QStringList files;
    for (const Picture &picture : pictures()) {
        for (int scale : {1, 2}) {
            const QString file = scale == 1 ? picture.name + QStringLiteral(".png") : picture.name + QStringLiteral("@2x.png");
            if (!render(picture, scale, hints).save(out.filePath(file))) {
                QTextStream(stderr) << "cannot write " << file << "\n";
                return 1;
            }
            files.append(file);
        }
    }

    QFile qrc(out.filePath(resourceFile));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream list(&qrc);
    list << "<!-- Written by tools/pictures/" << tool << "; do not edit. -->\n"
         << "<RCC>\n  <qresource prefix=\"" << prefix << "\">\n";
    for (const QString &file : files)
        list << "    <file>" << file << "</file>\n";
    list << "  </qresource>\n</RCC>\n";
    return 0;
}
