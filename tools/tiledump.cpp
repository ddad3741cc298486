// SPDX-License-Identifier: MIT
// Writes the built-in tiles and the icon as PNG files, for looking at them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

#include "builtintiles.h"
#include "deviceratio.h"

int main(int argc, char **argv)
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [SCREEN_RATIO]\n", argv[0]);
        return 2;
    }
    // With a ratio, also the tiles as a screen at that ratio shows them.
    const double ratio = argc > 2 ? std::atof(argv[2]) : 0;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    struct Out {
        const char *name;
        QImage image;
    };
    const Out outs[] = {
        {"nieuzyt.png", peg::BuiltinTile(peg::Tile::Nieuzyt)},
        {"pusty.png", peg::BuiltinTile(peg::Tile::Pusty)},
        {"pelny.png", peg::BuiltinTile(peg::Tile::Pelny)},
        {"aktual.png", peg::BuiltinTile(peg::Tile::Aktual)},
        // Twice the size, for screens at more than 100 %.
        {"nieuzyt@2x.png", peg::BuiltinTile(peg::Tile::Nieuzyt, 2)},
        {"pusty@2x.png", peg::BuiltinTile(peg::Tile::Pusty, 2)},
        {"pelny@2x.png", peg::BuiltinTile(peg::Tile::Pelny, 2)},
        {"aktual@2x.png", peg::BuiltinTile(peg::Tile::Aktual, 2)},
        {"icon.png", peg::BuiltinIcon()},
    };
    int failures = 0;
    for (int size : peg::ICON_SIZES) {
        const QImage icon = peg::BuiltinIconAt(size);
        // PNG for menus beside the 32-pixel icon.png; each size also as bare
        // RGBA bytes, which the game wraps as it is for its window icon
        // instead of decoding seven PNGs at start-up.
        const QString png = dir.filePath(QStringLiteral("icon-%1.png").arg(size));
        if (size != 32 && !icon.save(png, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
            ++failures;
        }
        const QString raw = dir.filePath(QStringLiteral("icon-%1.rgba").arg(size));
        const QImage rgba = icon.convertToFormat(QImage::Format_RGBA8888);
        QSaveFile out(raw);
        if (!out.open(QIODevice::WriteOnly)
            || out.write(reinterpret_cast<const char *>(rgba.constBits()), rgba.sizeInBytes()) != rgba.sizeInBytes()
            || !out.commit()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(raw));
            ++failures;
        }
    }
    for (const Out &out : outs) {
        const QString path = dir.filePath(QString::fromLatin1(out.name));
        if (!out.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
        // The game embeds the tiles as BMP: decoding them at start-up costs
        // next to nothing, and the resource compiler compresses them anyway.
        QString bmp = path;
        bmp.replace(QStringLiteral(".png"), QStringLiteral(".bmp"));
        if (!out.image.hasAlphaChannel() && !out.image.save(bmp, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(bmp));
            ++failures;
        }
    }
    if (ratio > 1) {
        for (const char *name : {"nieuzyt", "pusty", "pelny", "aktual"}) {
            const QImage twice(dir.filePath(QStringLiteral("%1@2x.png").arg(QLatin1String(name))));
            const QString path = dir.filePath(QStringLiteral("%1@%2x.png").arg(QLatin1String(name)).arg(ratio));
            if (twice.isNull() || !peg::TileAtRatio(twice, ratio).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures ? 1 : 0;
}
