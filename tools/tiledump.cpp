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

namespace {

// A picture's pixels as QImage holds them, 32-bit words in this machine's
// byte order: the game wraps them without a conversion.
bool WritePixels(const QImage &image, const QString &path)
{
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)
        && out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes()
        && out.commit())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

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
        // pixels, which the game wraps as they are for its window icon.
        const QString png = dir.filePath(QStringLiteral("icon-%1.png").arg(size));
        if (size != 32 && !icon.save(png, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
            ++failures;
        }
        failures += !WritePixels(icon.convertToFormat(QImage::Format_ARGB32),
                                 dir.filePath(QStringLiteral("icon-%1.argb32").arg(size)));
    }
    for (const Out &out : outs) {
        const QString path = dir.filePath(QString::fromLatin1(out.name));
        if (!out.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
        // The game embeds the tiles as bare pixels: nothing to decode at start-up.
        QString raw = path;
        raw.replace(QStringLiteral(".png"), QStringLiteral(".rgb32"));
        if (!out.image.hasAlphaChannel())
            failures += !WritePixels(out.image.convertToFormat(QImage::Format_RGB32), raw);
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
