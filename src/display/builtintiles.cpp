// SPDX-License-Identifier: MIT
// The built-in board pictures, drawn in code so the program needs no picture
// files at start-up. The grain comes from our own generator and a fixed seed,
// so every run draws the same board.
#include "builtintiles.h"
#include "colours.h"
#include "tilesize.h"
#include "xorshift.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace peg {
namespace {

constexpr int ICON_SIZE = 32;

// Device pixels per tile pixel while a tile is drawn; every shape is given
// in the 60-pixel tile's coordinates. Drawing happens on one thread only.
int scale = 1;
int Side() { return TILE_PX * scale; }

using Grain = XorShift32;

constexpr std::uint32_t GRAIN_SEED = 0x6b656c62u;

using Rgb = BasicRgb<float>;
using Rgba = BasicRgba<float>;

using Canvas = std::vector<Rgb>;
using Layer = std::vector<Rgba>;

inline int At(int x, int y) { return y * Side() + x; }

struct Ellipse {
    double cx, cy, rx, ry;
    double tilt = 0;  // radians, clockwise on screen

    double rho(double x, double y) const
    {
        double dx = x - cx, dy = y - cy;
        if (tilt != 0) {
            const double c = std::cos(tilt), s = std::sin(tilt);
            const double u = c * dx + s * dy, v = -s * dx + c * dy;
            dx = u, dy = v;
        }
        dx /= rx, dy /= ry;
        return dx * dx + dy * dy;
    }
    bool contains(double x, double y) const { return rho(x, y) <= 1.0; }
    constexpr Ellipse moved(double ox, double oy) const { return {cx + ox, cy + oy, rx, ry, tilt}; }
    constexpr Ellipse grown(double k) const { return {cx, cy, rx * k, ry * k, tilt}; }
};

// Pixel (x, y) has its centre at (x, y).
constexpr Ellipse DISC{28.0, 26.5, 19.6, 20.9};
// The shadow is the disc's own outline, pushed down-right into a crescent.
constexpr double SHADOW_DX = 6.0, SHADOW_DY = 5.0;

constexpr Rgb SHADOW{153, 51, 0};
constexpr Rgb GLASS{33, 33, 33};
constexpr Rgb GREEN{151, 202, 2};
constexpr Rgb CORE{253, 202, 201};
constexpr Rgb ORANGE{242, 102, 8};
constexpr Rgb ORANGE_DEEP{150, 62, 20};
constexpr Rgb PALE{238, 243, 222};
constexpr Rgb CORE_LIGHT{255, 238, 234};

// The swirl, as a colour at a point, or no coverage outside it. A C-shaped
// green band hugs a pale core from the left; the band's outer edge carries
// a thin pale stripe, and an orange streak sits in the core's upper right.
Rgba SwirlAt(double x, double y)
{
    constexpr Ellipse outer{28.5, 27.0, 12.0, 15.5};
    constexpr Ellipse band = outer.moved(2.1, 0.0);
    constexpr Ellipse core{32.0, 27.3, 8.2, 10.6, 0.3};
    constexpr Ellipse seam = core.grown(1.1);
    constexpr Ellipse streakCut = core.moved(-3.0, 3.2);

    if (!outer.contains(x, y))
        return {};
    if (!band.contains(x, y))
        return Premul(x < outer.cx ? PALE : GREEN, 1);
    if (!seam.contains(x, y))
        return Premul(GREEN, 1);
    if (!core.contains(x, y))
        return {};
    if (!streakCut.contains(x, y) && y < core.cy + 1) {
        // Brightest along the middle of the streak, deeper towards the glass.
        const double depth = std::clamp((core.rho(x, y) - 0.6) / 0.4, 0.0, 1.0);
        return Premul(Mix(ORANGE, ORANGE_DEEP, float(depth * depth)), 1);
    }
    // A soft lighter patch up and left in the core catches the light.
    const double glint = std::exp(-(std::pow(x - 29.5, 2) + std::pow(y - 22.5, 2)) / 8.0);
    return Premul(Mix(CORE, CORE_LIGHT, float(0.8 * glint)), 1);
}

template <typename Fn>
Layer Sample(Fn fn, double ox, double oy, int n)
{
    Layer layer(std::size_t(Side() * Side()));
    for (int y = 0; y < Side(); ++y)
        for (int x = 0; x < Side(); ++x) {
            Rgba sum;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    // At scale 1 the sum in its original order, so the tile keeps every bit.
                    const double sx = scale == 1 ? x - ox + (i + 0.5) / n - 0.5 : (x + (i + 0.5) / n) / scale - 0.5 - ox;
                    const double sy = scale == 1 ? y - oy + (j + 0.5) / n - 0.5 : (y + (j + 0.5) / n) / scale - 0.5 - oy;
                    const Rgba s = fn(sx, sy);
                    sum.r += s.r, sum.g += s.g, sum.b += s.b, sum.a += s.a;
                }
            const float k = 1.0f / float(n * n);
            layer[At(x, y)] = {sum.r * k, sum.g * k, sum.b * k, sum.a * k};
        }
    return layer;
}

Layer Solid(const Ellipse &e, Rgb colour, double ox, double oy, int n)
{
    return Sample([&](double x, double y) { return e.contains(x, y) ? Premul(colour, 1) : Rgba{}; },
                  ox, oy, n);
}

// Separable blur of a layer; beyond the tile the layer is empty.
Layer Blur(const Layer &src, const std::vector<float> &kernel)
{
    const int half = int(kernel.size() / 2);
    auto pass = [&](const Layer &in, int sx, int sy) {
        Layer out(in.size());
        for (int y = 0; y < Side(); ++y)
            for (int x = 0; x < Side(); ++x) {
                Rgba acc;
                for (int k = -half; k <= half; ++k) {
                    const int px = x + k * sx, py = y + k * sy;
                    if (px < 0 || py < 0 || px >= Side() || py >= Side())
                        continue;
                    const Rgba &p = in[At(px, py)];
                    const float w = kernel[std::size_t(k + half)];
                    acc.r += p.r * w, acc.g += p.g * w, acc.b += p.b * w, acc.a += p.a * w;
                }
                out[At(x, y)] = acc;
            }
        return out;
    };
    return pass(pass(src, 1, 0), 0, 1);
}

std::vector<float> Gaussian(double sigma)
{
    const int half = int(std::ceil(sigma * 3));
    std::vector<float> k(std::size_t(2 * half + 1));
    double sum = 0;
    for (int i = -half; i <= half; ++i)
        sum += k[std::size_t(i + half)] = float(std::exp(-0.5 * i * i / (sigma * sigma)));
    for (float &v : k)
        v = float(v / sum);
    return k;
}

// The light three-tap blur, as wide in the tile at any scale.
std::vector<float> LightBlur()
{
    return scale == 1 ? std::vector<float>{0.25f, 0.5f, 0.25f} : Gaussian(std::sqrt(0.5) * scale);
}

void Composite(Canvas &canvas, const Layer &layer)
{
    for (std::size_t i = 0; i < canvas.size(); ++i)
        Over(canvas[i], layer[i]);
}

// The swirl lies well inside the disc, so it needs no clipping to it.
Layer Swirl(double ox, double oy, const std::vector<float> &blur)
{
    return Blur(Sample(SwirlAt, ox, oy, 4), blur);
}

Canvas Background()
{
    Canvas canvas(std::size_t(Side() * Side()));
    Grain grain(GRAIN_SEED);
    // One grain value per tile pixel, covering scale by scale device pixels.
    for (int y = 0; y < TILE_PX; ++y)
        for (int x = 0; x < TILE_PX; ++x) {
            const int v = 100 + grain.below(61);
            const Rgb p{float(v), float(v - 51), float(std::max(0, v - 153))};
            for (int j = 0; j < scale; ++j)
                for (int i = 0; i < scale; ++i)
                    canvas[At(x * scale + i, y * scale + j)] = p;
        }
    return canvas;
}

void DrawHole(Canvas &canvas)
{
    // Grey by distance from the centre: a flat floor rising to a light rim.
    static constexpr int HOLE_LEVELS[] = {152, 152, 152, 152, 152, 157, 163, 173, 190, 206, 216, 220, 222};
    for (int y = 0; y < Side(); ++y)
        for (int x = 0; x < Side(); ++x) {
            // Doubled coordinates keep the half-pixel centre exact at scale 1.
            const double tx = (x + 0.5) / scale - 0.5, ty = (y + 0.5) / scale - 0.5;
            const double dx2 = 2 * tx - 63, dy2 = 2 * (ty - 30);
            const double d2 = dx2 * dx2 + dy2 * dy2;
            if (d2 > 4 * 145)
                continue;
            const int ring = std::min(12, int(std::lround(std::sqrt(d2) / 2)));
            const float g = float(HOLE_LEVELS[ring]);
            canvas[At(x, y)] = {g, g, g};
        }
}

void DrawPeg(Canvas &canvas)
{
    Composite(canvas, Solid(DISC.moved(SHADOW_DX, SHADOW_DY), SHADOW, 0, 0, 1));
    Composite(canvas, Solid(DISC, GLASS, 0, 0, 1));
    // A light blur lets the swirl's colours melt into each other and into the glass.
    Composite(canvas, Swirl(0, 0, LightBlur()));
}

// The selected peg: everything softened, sitting in a dark glow that eats
// into the board towards the lower right.
void DrawSelectedPeg(Canvas &canvas)
{
    const int left = 7 * scale, top = 2 * scale;
    constexpr double lift = 0.5;
    const Canvas plain = canvas;

    // Fade the effect in over a few pixels so its left and top ends leave no seam.
    auto reach = [&](int x, int y) {
        return std::min(1.0f, float(x - left + scale) / float(5 * scale))
               * std::min(1.0f, float(y - top + scale) / float(5 * scale));
    };

    for (int y = top; y < Side(); ++y)
        for (int x = left; x < Side(); ++x) {
            Rgb mean;
            int n = 0;
            for (int j = -scale; j <= scale; ++j)
                for (int i = -scale; i <= scale; ++i) {
                    const int px = x + i, py = y + j;
                    if (px < 0 || py < 0 || px >= Side() || py >= Side())
                        continue;
                    const Rgb &p = plain[At(px, py)];
                    mean.r += p.r, mean.g += p.g, mean.b += p.b, ++n;
                }
            mean = {mean.r / n, mean.g / n, mean.b / n};
            canvas[At(x, y)] = Mix(plain[At(x, y)], mean, 0.8f * reach(x, y));
        }

    const std::vector<float> soft = Gaussian(1.5 * scale);
    Composite(canvas, Blur(Solid(DISC.moved(SHADOW_DX, SHADOW_DY), SHADOW, lift, lift, 4), soft));

    const Ellipse glowShape{DISC.cx + 5, DISC.cy + 5, DISC.rx + 4, DISC.ry + 4};
    const Layer glow = Blur(Solid(glowShape, {}, lift, lift, 2), Gaussian(5.5 * scale));
    for (int y = top; y < Side(); ++y)
        for (int x = left; x < Side(); ++x) {
            const float dark = 1 - 0.72f * glow[At(x, y)].a * reach(x, y);
            Rgb &p = canvas[At(x, y)];
            p = {p.r * dark, p.g * dark, p.b * dark};
        }

    Composite(canvas, Blur(Solid(DISC, GLASS, lift, lift, 4), soft));
    // Softer than the disc's edge, so the swirl keeps its colours.
    Composite(canvas, Swirl(lift, lift, Gaussian(0.8 * scale)));

    // The glow's tails stay inside its box; the board outside is untouched.
    for (int y = 0; y < Side(); ++y)
        for (int x = 0; x < Side(); ++x)
            if (x < left || y < top)
                canvas[At(x, y)] = plain[At(x, y)];
}

QImage ToImage(const Canvas &canvas)
{
    QImage img(Side(), Side(), QImage::Format_RGB32);
    for (int y = 0; y < Side(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < Side(); ++x)
            line[x] = ToQRgb(canvas[At(x, y)]);
    }
    return img;
}

constexpr QRgb ICON_RED = qRgb(155, 0, 0);
constexpr QRgb ICON_RIM = qRgb(124, 0, 0);
constexpr QRgb ICON_PURPLE = qRgb(128, 0, 128);
constexpr QRgb ICON_HOLE = qRgb(235, 235, 235);

// The icon's 36 holes, a cross on the 32-pixel grid: fn(x, y) for each.
template <typename Fn>
void ForEachIconHole(Fn fn)
{
    static constexpr int ROWS[] = {4, 8, 12, 15, 18, 21, 24, 27};
    static constexpr int ARM[] = {13, 17, 21};
    static constexpr int BAR[] = {6, 9, 13, 17, 21, 24, 27};
    for (int y : ROWS) {
        const bool bar = y >= 12 && y <= 18;
        for (int x : bar ? std::span<const int>(BAR) : std::span<const int>(ARM))
            fn(x, y);
    }
}

} // namespace

QImage BuiltinTile(Tile tile, int pixelsPerTilePixel)
{
    scale = std::max(1, pixelsPerTilePixel);
    struct Reset {
        ~Reset() { scale = 1; }
    } reset;
    Canvas canvas = Background();
    switch (tile) {
    case Tile::Nieuzyt:
        break;
    case Tile::Pusty:
        DrawHole(canvas);
        break;
    case Tile::Pelny:
        DrawPeg(canvas);
        break;
    case Tile::Aktual:
        DrawSelectedPeg(canvas);
        break;
    }
    return ToImage(canvas);
}

QImage BuiltinIcon()
{
    // A red disc with a cross of holes, drawn at pixel centres.
    constexpr double cx = 16.0, cy = 15.5, radius = 14.7, rimWidth = 1.5;
    constexpr int purpleFrom = 6;  // the line runs down the sides, never over the top

    auto inside = [&](int x, int y) { return std::hypot(x - cx, y - cy) <= radius; };
    auto onRim = [&](int x, int y) { return inside(x, y) && std::hypot(x - cx, y - cy) > radius - rimWidth; };

    QImage img(ICON_SIZE, ICON_SIZE, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < ICON_SIZE; ++y)
        for (int x = 0; x < ICON_SIZE; ++x) {
            if (!inside(x, y))
                continue;
            QRgb c = ICON_RED;
            if (onRim(x, y))
                c = ICON_RIM;
            else if (y >= purpleFrom
                     && (onRim(x - 1, y) || onRim(x + 1, y) || onRim(x, y - 1) || onRim(x, y + 1)))
                c = ICON_PURPLE;
            img.setPixel(x, y, c);
        }

    ForEachIconHole([&](int x, int y) { img.setPixel(x, y, ICON_HOLE); });
    return img;
}

QImage BuiltinIconAt(int size)
{
    if (size == ICON_SIZE)
        return BuiltinIcon();
    // The same picture for menus and docks: drawn smooth at the larger size
    // from the geometry of the 32-pixel icon.
    const double s = size / double(ICON_SIZE);
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    const QPointF centre(16.5, 16.0);
    const double radius = 14.9;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(ICON_RIM));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(ICON_RED));
    p.drawEllipse(centre, radius - 1.5, radius - 1.5);
    // The purple line inside the rim, down both sides and along the bottom.
    p.save();
    p.setClipRect(QRectF(0, 6, ICON_SIZE, ICON_SIZE));
    p.setPen(QPen(QColor(ICON_PURPLE), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 2.0, radius - 2.0);
    p.restore();
    p.setBrush(QColor(ICON_HOLE));
    ForEachIconHole([&](int x, int y) { p.drawEllipse(QPointF(x + 0.5, y + 0.5), 0.85, 0.85); });
    return img;
}

} // namespace peg
