// SPDX-License-Identifier: MIT
// makelooks OUTDIR: draws the three sample board looks, four 60x60 PNG tiles
// each and the same at 120x120 (name@2x.png) for screens above 100 %, so the
// pictures in data/ can be made again.
//
// Textures are computed per pixel from noise that repeats every 60 pixels, so
// neighbouring cells join without seams; shapes are supersampled for smooth
// edges. Every look has its own fixed seed.

#include "colours.h"
#include "tilesize.h"
#include "xorshift.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int TILE = peg::TILE_PX;
constexpr double PI = 3.14159265358979323846;
constexpr double CX = TILE / 2.0;  // hole centre, the middle of the tile
constexpr double CY = TILE / 2.0;

using Rgb = peg::BasicRgb<double>;
using Rgba = peg::BasicRgba<double>;
using peg::Mix;
using peg::Premul;

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double SmoothStep(double e0, double e1, double x)
{
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

using Rng = peg::XorShift32;

// Value noise on an nx by ny lattice stretched over one tile and wrapped at
// its edges, so it repeats exactly every 60 pixels in both directions.
class TileNoise {
public:
    TileNoise(int nx, int ny, Rng &rng) : nx_(nx), ny_(ny), v_(std::size_t(nx) * ny)
    {
        for (double &x : v_)
            x = rng.unit();
    }
    double At(double x, double y) const
    {
        const double u = x / TILE * nx_, w = y / TILE * ny_;
        const int i = int(std::floor(u)), j = int(std::floor(w));
        const double fu = Fade(u - i), fw = Fade(w - j);
        const double a = Mix1(Val(i, j), Val(i + 1, j), fu);
        const double b = Mix1(Val(i, j + 1), Val(i + 1, j + 1), fu);
        return Mix1(a, b, fw);
    }

private:
    static double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
    static double Mix1(double a, double b, double t) { return a + (b - a) * t; }
    double Val(int i, int j) const
    {
        i = ((i % nx_) + nx_) % nx_;
        j = ((j % ny_) + ny_) % ny_;
        return v_[std::size_t(j) * nx_ + i];
    }
    int nx_, ny_;
    std::vector<double> v_;
};

// Several octaves of TileNoise, result roughly 0..1.
class Fbm {
public:
    Fbm(int baseX, int baseY, int octaves, Rng &rng)
    {
        for (int o = 0; o < octaves; ++o)
            layers_.emplace_back(baseX << o, baseY << o, rng);
    }
    double At(double x, double y) const
    {
        double sum = 0, amp = 1, norm = 0;
        for (const TileNoise &n : layers_) {
            sum += n.At(x, y) * amp;
            norm += amp;
            amp *= 0.5;
        }
        return sum / norm;
    }

private:
    std::vector<TileNoise> layers_;
};

// Pixels per tile pixel of the picture being drawn: 1, or 2 for the @2x
// pictures. Shapes are given in 60-pixel coordinates at either size.
int scale = 1;

QImage NewTile()
{
    QImage img(TILE * scale, TILE * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

// Textures are per tile pixel: at 2 each value covers 2 by 2 pixels, so the
// large picture has the same grain.
void Fill(QImage &img, const std::function<Rgb(int, int)> &f)
{
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const QRgb c = peg::ToQRgb(f(x, y));
            for (int j = 0; j < scale; ++j)
                for (int i = 0; i < scale; ++i)
                    img.setPixel(x * scale + i, y * scale + j, c);
        }
}

// Composites a layer over the image, 4x4 samples per pixel for clean edges.
void Paint(QImage &img, const std::function<Rgba(double, double)> &f)
{
    constexpr int SS = 4;
    for (int y = 0; y < TILE * scale; ++y)
        for (int x = 0; x < TILE * scale; ++x) {
            Rgba sum;
            for (int sy = 0; sy < SS; ++sy)
                for (int sx = 0; sx < SS; ++sx) {
                    // Dividing by 1 or 2 is exact: the 60-pixel pictures keep every bit.
                    const Rgba s = f((x + (sx + 0.5) / SS) / scale, (y + (sy + 0.5) / SS) / scale);
                    sum.r += s.r, sum.g += s.g, sum.b += s.b, sum.a += s.a;
                }
            if (sum.a <= 0)
                continue;
            constexpr double n = SS * SS;
            const QRgb old = img.pixel(x, y);
            Rgb c{double(qRed(old)), double(qGreen(old)), double(qBlue(old))};
            peg::Over(c, Rgba{sum.r / n, sum.g / n, sum.b / n, sum.a / n});
            img.setPixel(x, y, peg::ToQRgb(c));
        }
}

double Dist(double x, double y, double cx, double cy) { return std::hypot(x - cx, y - cy); }

// Light comes from the upper left, as on most desktop bevels.
struct Vec {
    double x, y, z;
};
Vec Norm(Vec v)
{
    const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
const Vec LIGHT = Norm({-1.0, -1.2, 1.6});
const Vec HALF = Norm({LIGHT.x, LIGHT.y, LIGHT.z + 1.0});

// Surface normal of a dome of radius r centred at (cx, cy); flat > 1 gives a
// flatter top, like the head of a turned peg.
Vec DomeNormal(double x, double y, double cx, double cy, double r, double flat)
{
    const double dx = (x - cx) / r, dy = (y - cy) / r;
    const double q = std::min(1.0, dx * dx + dy * dy);
    return Norm({dx, dy, flat * std::sqrt(1.0 - q) + 0.02});
}

// The head of a turned peg: nearly flat in the middle, curving away at the edge.
Vec PegNormal(double x, double y, double cx, double cy, double r)
{
    const double d = Dist(x, y, cx, cy), q = std::min(1.0, d / r);
    const double s = std::min(0.97, 0.22 * q + 0.75 * std::pow(SmoothStep(0.45, 1.0, q), 1.4));
    const double ux = (x - cx) / std::max(d, 1e-6), uy = (y - cy) / std::max(d, 1e-6);
    return {ux * s, uy * s, std::sqrt(1.0 - s * s)};
}

// A drilled hole: a dark bore whose upper-left wall is in shadow, the rim's
// own shadow falling across the floor, and a chamfer lit on its lower right.
struct HoleStyle {
    double radius;
    double chamfer;
    Rgb floor;     // lit floor of the bore
    Rgb wall;      // wall facing the light
    Rgb rimLight;  // chamfer facing the light
    Rgb rimDark;   // chamfer facing away
    double shadow; // how dark the cast shadow inside is, 0..1
};

Rgba HolePixel(double x, double y, const HoleStyle &h)
{
    const double d = Dist(x, y, CX, CY);
    const double outer = h.radius + h.chamfer;
    if (d >= outer)
        return {};
    const double ux = (x - CX) / std::max(d, 1e-6), uy = (y - CY) / std::max(d, 1e-6);
    const double facing = -(ux * LIGHT.x + uy * LIGHT.y) / std::hypot(LIGHT.x, LIGHT.y);  // +1 lower right
    if (d >= h.radius) {
        // The chamfer slopes into the hole: lower-right part faces the light.
        const double t = 0.5 + 0.5 * facing;
        Rgb c = Mix(h.rimDark, h.rimLight, t * t);
        const double edge = SmoothStep(outer - 0.8, outer, d);  // soften the outer edge
        return Premul(c, 1.0 - edge * 0.6);
    }
    // Inside the bore: walls near the edge, floor in the middle.
    const double wallT = SmoothStep(h.radius * 0.55, h.radius, d);
    Rgb c = Mix(h.floor, Mix(h.floor * 0.5, h.wall, 0.5 + 0.5 * facing), wallT);
    // Cast shadow: a floor point is lit only if the light reaches it through the opening.
    const double k = h.radius * 0.45;
    const double lit = SmoothStep(h.radius + 1.5, h.radius - 2.5, Dist(x + k * 0.64, y + k * 0.77, CX, CY));
    c = c * (1.0 - h.shadow * (1.0 - lit));
    return Premul(c, 1.0);
}

// A soft round shadow under a peg.
Rgba ShadowPixel(double x, double y, double cx, double cy, double r, double blur, double strength, Rgb tint)
{
    const double d = Dist(x, y, cx, cy);
    const double a = strength * (1.0 - SmoothStep(r - blur, r + blur, d));
    return Premul(tint, a);
}

// A ring with a soft glow outside it, for the selected peg.
Rgba GlowRingPixel(double x, double y, double cx, double cy, double r0, double r1, double glow, Rgb core, Rgb halo)
{
    const double d = Dist(x, y, cx, cy);
    if (d >= r0 && d <= r1) {
        // Slightly brighter in the middle of the band, so it reads as a lit ring.
        const double m = 1.0 - std::abs((d - (r0 + r1) / 2) / ((r1 - r0) / 2));
        return Premul(Mix(core, Rgb{255, 255, 255}, 0.35 * m * m), 1.0);
    }
    if (d > r1 && d < r1 + glow) {
        const double t = 1.0 - (d - r1) / glow;
        return Premul(halo, 0.75 * t * t);
    }
    if (d < r0 && d > r0 - 2.0) {
        const double t = 1.0 - (r0 - d) / 2.0;
        return Premul(halo, 0.6 * t);
    }
    return {};
}

struct Look {
    QImage none, empty, peg, selected;
};

bool Save(const QImage &img, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "makelooks: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// ---- Light wood -------------------------------------------------------------

Look MakeWood()
{
    Rng rng(0x57A0D1u);
    const Fbm warp(1, 2, 3, rng);
    const TileNoise fibres(4, 60, rng);  // long streaks along the grain
    const TileNoise pores(15, 60, rng);  // short dark dashes, as in birch or maple
    std::vector<double> grit(TILE * TILE);
    for (double &g : grit)
        g = rng.unit() - 0.5;

    const Rgb early{241, 216, 172}, late{212, 170, 116};
    Look look;
    look.none = NewTile();
    Fill(look.none, [&](int x, int y) {
        const double px = x + 0.5, py = y + 0.5;
        // A whole number of growth rings per tile keeps the pattern periodic in y.
        const double w = 2 * PI * 0.45 * (warp.At(px, py) - 0.5) + 0.35 * std::sin(2 * PI * px / TILE + 1.0);
        const double t = 2 * PI * (2.0 * py / TILE) + w;
        const double ring = std::pow(0.5 + 0.5 * std::sin(t), 9.0);
        // Fine straight striations between the rings.
        const double fine = 0.5 + 0.5 * std::sin(2 * PI * (13.0 * py / TILE) + 2.5 * w);
        Rgb c = Mix(early, late, 0.8 * ring + 0.16 * fine * fine);
        c = c * (1.0 + 0.08 * (fibres.At(px, py) - 0.5) + 0.03 * grit[y * TILE + x]
                 - 0.06 * SmoothStep(0.70, 0.86, pores.At(px, py)));
        return c;
    });

    const HoleStyle hole{15.0, 2.5, {74, 46, 24}, {128, 86, 48}, {246, 222, 182}, {150, 110, 68}, 0.55};
    look.empty = look.none;
    Paint(look.empty, [&](double x, double y) { return HolePixel(x, y, hole); });

    // The peg: the turned head of a cherry-wood peg, flat on top with a
    // rounded edge, satin varnish, side grain and faint lathe rings.
    const double P = 19.0;
    const TileNoise pegGrain(3, 3, rng);
    auto pegPixel = [&](double x, double y, double cx, double cy, double bright) -> Rgba {
        const double d = Dist(x, y, cx, cy);
        if (d >= P)
            return {};
        const Vec n = PegNormal(x, y, cx, cy, P);
        const double diff = std::max(0.0, Dot(n, LIGHT));
        const double shine = std::pow(std::max(0.0, Dot(n, HALF)), 14.0);
        const double g = 0.5 + 0.5 * std::sin((y - cy) * 0.9 + (x - cx) * 0.15
                                              + 4.0 * pegGrain.At(x - cx + 30, y - cy + 30));
        const double lathe = 0.5 + 0.5 * std::sin(d * 2.3);
        Rgb albedo = Mix(Rgb{176, 100, 50}, Rgb{128, 64, 30}, 0.7 * std::pow(g, 3.0));
        albedo = albedo * (1.0 - 0.08 * lathe * SmoothStep(3, 8, d) * (1 - SmoothStep(13, 16, d)));
        Rgb c = albedo * (0.32 + 0.85 * diff) * bright + Rgb{255, 236, 205} * (0.22 * shine);
        c = c * (1.0 - 0.35 * SmoothStep(P - 1.2, P, d));
        return Premul(c, 1.0);
    };

    look.peg = look.empty;
    Paint(look.peg, [&](double x, double y) {
        return ShadowPixel(x, y, CX + 3.5, CY + 4.5, P, 3.0, 0.55, {60, 36, 16});
    });
    Paint(look.peg, [&](double x, double y) { return pegPixel(x, y, CX, CY, 1.0); });

    // Selected: lifted (further shadow), a little brighter, with a red-orange glowing ring.
    look.selected = look.empty;
    Paint(look.selected, [&](double x, double y) {
        return ShadowPixel(x, y, CX + 6.0, CY + 7.0, P, 5.0, 0.45, {60, 36, 16});
    });
    Paint(look.selected, [&](double x, double y) {
        return GlowRingPixel(x, y, CX - 1, CY - 1, P + 1.0, P + 5.0, 5.0, {226, 40, 12}, {255, 110, 30});
    });
    Paint(look.selected, [&](double x, double y) { return pegPixel(x, y, CX - 1, CY - 1, 1.12); });
    return look;
}

// ---- Dark stone -------------------------------------------------------------

Look MakeStone()
{
    Rng rng(0x51A7E5u);
    const Fbm cloud(1, 1, 6, rng);
    const TileNoise cleft(3, 30, rng);  // the slate's faint layering
    const Fbm tintNoise(1, 1, 3, rng);
    std::vector<double> speck(TILE * TILE);
    for (double &s : speck)
        s = rng.unit();

    Look look;
    look.none = NewTile();
    Fill(look.none, [&](int x, int y) {
        const double px = x + 0.5, py = y + 0.5;
        // Patches drift between a green-grey and a blue-violet slate.
        const Rgb base = Mix(Rgb{56, 66, 68}, Rgb{66, 64, 80}, SmoothStep(0.3, 0.7, tintNoise.At(px, py)));
        Rgb c = base * (0.84 + 0.55 * (cloud.At(px, py) - 0.5) + 0.16 * (cleft.At(px, py) - 0.5));
        // Granite-like specks: dark mica, pale quartz, a rare glint.
        const double s = speck[y * TILE + x];
        if (s < 0.07)
            c = c * 0.84;
        else if (s > 0.997)
            c = Mix(c, Rgb{170, 176, 186}, 0.45);
        else if (s > 0.95)
            c = c * 1.09;
        return c;
    });

    const HoleStyle hole{15.5, 2.5, {30, 32, 37}, {70, 75, 84}, {170, 178, 190}, {34, 36, 42}, 0.65};
    look.empty = look.none;
    Paint(look.empty, [&](double x, double y) { return HolePixel(x, y, hole); });

    // The peg: a polished steel ball.
    const double P = 18.0;
    auto ballPixel = [&](double x, double y, double cx, double cy, Rgb tint) -> Rgba {
        const double d = Dist(x, y, cx, cy);
        if (d >= P)
            return {};
        const Vec n = DomeNormal(x, y, cx, cy, P, 1.0);
        // Mirror direction of the view ray (looking straight down): the ball
        // reflects a grey ceiling, a bright window at the upper left and, near
        // its edge, the dark board it stands on.
        const Vec r{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
        const double toLight = std::max(0.0, Dot(r, LIGHT));
        const Rgb ceiling = Mix(Rgb{112, 118, 130}, Rgb{228, 233, 242}, std::pow(toLight, 1.5));
        const Rgb walls{64, 68, 78}, board{30, 33, 38};
        Rgb env = Mix(walls, ceiling, SmoothStep(0.05, 0.25, r.z));
        env = Mix(board, env, SmoothStep(-0.5, -0.25, r.z));
        // Light bounced off the board catches the lower-right edge.
        const double away = std::max(0.0, -(r.x * LIGHT.x + r.y * LIGHT.y)) / std::hypot(LIGHT.x, LIGHT.y);
        env = env + Rgb{70, 74, 82} * (std::pow(away, 3.0) * (1.0 - SmoothStep(-0.6, -0.2, r.z)));
        const double shine = std::pow(std::max(0.0, Dot(r, LIGHT)), 160.0);
        Rgb c = env * tint + Rgb{255, 255, 255} * shine;
        // A soft dark line at the very edge so the ball separates from the rim.
        c = c * (1.0 - 0.5 * SmoothStep(P - 1.5, P, d));
        return Premul(c, 1.0);
    };

    look.peg = look.empty;
    Paint(look.peg, [&](double x, double y) {
        return ShadowPixel(x, y, CX + 3.0, CY + 4.0, P, 3.0, 0.65, {6, 7, 9});
    });
    Paint(look.peg, [&](double x, double y) { return ballPixel(x, y, CX, CY, {246, 248, 255}); });

    // Selected: a cold blue glowing ring and a faintly bluer ball.
    look.selected = look.empty;
    Paint(look.selected, [&](double x, double y) {
        return ShadowPixel(x, y, CX + 4.0, CY + 5.0, P, 4.0, 0.6, {6, 7, 9});
    });
    Paint(look.selected, [&](double x, double y) {
        return GlowRingPixel(x, y, CX, CY, P + 1.0, P + 4.0, 6.0, {40, 200, 255}, {40, 170, 255});
    });
    Paint(look.selected, [&](double x, double y) { return ballPixel(x, y, CX, CY, {215, 240, 255}); });
    return look;
}

// ---- High contrast ----------------------------------------------------------

// Flat shapes with hard, bright edges; no texture to distract weak eyes.
Look MakeContrast()
{
    const Rgb black{0, 0, 0}, white{255, 255, 255}, yellow{255, 224, 0}, cyan{0, 235, 255};
    auto disc = [](double r, Rgb c) {
        return [r, c](double x, double y) -> Rgba {
            return Dist(x, y, CX, CY) < r ? Premul(c, 1.0) : Rgba{};
        };
    };
    auto ring = [](double r0, double r1, Rgb c) {
        return [r0, r1, c](double x, double y) -> Rgba {
            const double d = Dist(x, y, CX, CY);
            return d >= r0 && d < r1 ? Premul(c, 1.0) : Rgba{};
        };
    };

    Look look;
    // Outside the cross a dark grey, so the board's shape shows against it.
    look.none = NewTile();
    Fill(look.none, [](int, int) { return Rgb{52, 52, 60}; });

    QImage ground = NewTile();
    Fill(ground, [&](int, int) { return black; });

    look.empty = ground;
    Paint(look.empty, ring(13.0, 18.0, white));

    look.peg = ground;
    Paint(look.peg, disc(20.0, yellow));

    // Selected: a smaller yellow peg inside a thick cyan ring, black between.
    look.selected = ground;
    Paint(look.selected, ring(21.0, 28.0, cyan));
    Paint(look.selected, disc(17.0, yellow));
    return look;
}

} // namespace

int main(int argc, char **argv)
{
    // Only images are drawn; no window is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: makelooks OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "makelooks: cannot create %s\n", argv[1]);
        return 1;
    }

    struct Named {
        const char *prefix;
        Look look;
    };
    bool ok = true;
    for (int s : {1, 2}) {
        scale = s;
        const Named looks[] = {{"drewno", MakeWood()}, {"kamien", MakeStone()}, {"kontrast", MakeContrast()}};
        const QString suffix = s == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(s);
        for (const Named &n : looks) {
            const QString p = QString::fromLatin1(n.prefix);
            ok &= Save(n.look.none, dir, p + "-nieuzyt" + suffix);
            ok &= Save(n.look.empty, dir, p + "-pusty" + suffix);
            ok &= Save(n.look.peg, dir, p + "-pelny" + suffix);
            ok &= Save(n.look.selected, dir, p + "-aktual" + suffix);
        }
    }
    return ok ? 0 : 1;
}
