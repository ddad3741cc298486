// SPDX-License-Identifier: MIT
// pixels same A B: exit 0 when two pictures decode to the same size and the
//   same pixels, alpha included, however they are encoded; 1 otherwise.
// pixels get FILE X Y: prints the pixel as AARRGGBB.
// pixels set IN OUT X Y AARRGGBB: a copy of IN with one pixel changed.
// pixels recode IN OUT: the same pixels written as an uncompressed PNG.
// The last three make the altered sample folders the sample test must catch.
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

QImage Load(const char *path)
{
    QImage img(QString::fromLocal8Bit(path));
    if (img.isNull())
        std::fprintf(stderr, "pixels: cannot read %s\n", path);
    return img;
}

bool Save(const QImage &img, const char *path, int quality)
{
    if (img.save(QString::fromLocal8Bit(path), "PNG", quality))
        return true;
    std::fprintf(stderr, "pixels: cannot write %s\n", path);
    return false;
}

int Same(const char *a, const char *b)
{
    const QImage first = Load(a), second = Load(b);
    if (first.isNull() || second.isNull())
        return 1;
    if (first.size() != second.size()) {
        std::fprintf(stderr, "%s is %dx%d, %s is %dx%d\n", a, first.width(), first.height(), b,
                     second.width(), second.height());
        return 1;
    }
    if (first.hasAlphaChannel() != second.hasAlphaChannel()) {
        std::fprintf(stderr, "only one of %s and %s has an alpha channel\n", a, b);
        return 1;
    }
    // Straight (not premultiplied) ARGB keeps the colour of translucent pixels exact.
    const QImage x = first.convertToFormat(QImage::Format_ARGB32);
    const QImage y = second.convertToFormat(QImage::Format_ARGB32);
    long differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row) && differing++ == 0)
                std::fprintf(stderr, "%s and %s differ first at (%d, %d): #%08x, #%08x\n", a, b, col, row,
                             x.pixel(col, row), y.pixel(col, row));
    if (differing)
        std::fprintf(stderr, "%ld pixels differ\n", differing);
    return differing ? 1 : 0;
}

// The picture, or a null one when it cannot be read or has no pixel (x, y).
QImage LoadWithPixel(const char *path, int x, int y)
{
    const QImage img = Load(path);
    if (img.isNull() || img.valid(x, y))
        return img;
    std::fprintf(stderr, "pixels: (%d, %d) lies outside %s\n", x, y, path);
    return {};
}

int Get(const char *path, int x, int y)
{
    const QImage img = LoadWithPixel(path, x, y);
    if (img.isNull())
        return 1;
    std::printf("%08x\n", img.convertToFormat(QImage::Format_ARGB32).pixel(x, y));
    return 0;
}

int Set(const char *in, const char *out, int x, int y, QRgb argb)
{
    QImage img = LoadWithPixel(in, x, y);
    if (img.isNull())
        return 1;
    if (qAlpha(argb) != 255)
        img = img.convertToFormat(QImage::Format_ARGB32);
    img.setPixel(x, y, argb);
    return Save(img, out, -1) ? 0 : 1;
}

int Recode(const char *in, const char *out)
{
    const QImage img = Load(in);
    return !img.isNull() && Save(img, out, 100) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString command = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (command == QLatin1String("same") && argc == 4)
        return Same(argv[2], argv[3]);
    if (command == QLatin1String("recode") && argc == 4)
        return Recode(argv[2], argv[3]);
    bool xOk = false, yOk = false, argbOk = false;
    if (command == QLatin1String("get") && argc == 5) {
        const int x = QString::fromLatin1(argv[3]).toInt(&xOk), y = QString::fromLatin1(argv[4]).toInt(&yOk);
        if (xOk && yOk)
            return Get(argv[2], x, y);
    }
    if (command == QLatin1String("set") && argc == 7) {
        const int x = QString::fromLatin1(argv[4]).toInt(&xOk), y = QString::fromLatin1(argv[5]).toInt(&yOk);
        const QRgb argb = QString::fromLatin1(argv[6]).toUInt(&argbOk, 16);
        if (xOk && yOk && argbOk)
            return Set(argv[2], argv[3], x, y, argb);
    }
    std::fprintf(stderr, "usage: pixels same A B | get FILE X Y | set IN OUT X Y AARRGGBB | recode IN OUT\n");
    return 2;
}
