// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
//
// Draws the desktop icons of Qintara: the program's mark at the sizes of the
// freedesktop icon theme ("<size>x<size>/apps/<id>.png") and as scalable SVG
// ("scalable/apps/<id>.svg"), into the folder given.
//
// Usage: draw_icons <output folder> <icon id>   (QT_QPA_PLATFORM=offscreen is fine)

#include "Logo.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

// The same key cap as drawLogo() in a 64 unit box, so the SVG matches the PNGs.
const char scalableLogo[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#e3ecf7"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="60" height="60" rx="13.2" fill="#1d4b86"/>
  <rect x="2" y="2" width="60" height="54.6" rx="13.2" fill="url(#face)"/>
  <g fill="none" stroke="#2e64aa" stroke-width="6.6" stroke-linecap="round">
    <circle cx="32" cy="29.3" r="14.4"/>
    <line x1="37.04" y1="34.34" x2="47.12" y2="44.42"/>
  </g>
</svg>
)svg";

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: draw_icons <output folder> <icon id>\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        // The same margin as the 64 px logo, scaled: small sizes keep a pixel.
        const qreal margin = qMax<qreal>(1, size / 32.0);
        drawLogo(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
        painter.end();
        if (!QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + id + QStringLiteral(".png"))) {
            QTextStream(stderr) << "cannot write " << folder << "\n";
            return 1;
        }
    }
    const QString scalable = out + QStringLiteral("/scalable/apps");
    QFile svg(scalable + QLatin1Char('/') + id + QStringLiteral(".svg"));
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) || svg.write(scalableLogo) < 0) {
        QTextStream(stderr) << "cannot write " << svg.fileName() << "\n";
        return 1;
    }
    return 0;
}
