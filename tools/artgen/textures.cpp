// Procedural textures: each image is built from fixed seeds, so every run
// produces the same bytes.
#include "textures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry.h"
#include "noise.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Piecewise-linear colour ramp through evenly spaced stops.
Colour ramp(const std::vector<Colour>& stops, double t) {
    t = std::clamp(t, 0.0, 1.0) * (stops.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(t), stops.size() - 2);
    return mix(stops[i], stops[i + 1], t - i);
}

}  // namespace

RgbImage makeSky() {
    const int w = 640, h = 480;
    RgbImage img(w, h);
    const std::vector<Colour> sky = {rgb255(28, 78, 160), rgb255(52, 112, 196), rgb255(98, 153, 219),
                                     rgb255(160, 196, 234), rgb255(205, 224, 242)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double fy = static_cast<double>(y) / h, fx = static_cast<double>(x) / w;
            const Colour base = ramp(sky, std::pow(fy, 1.3));
            // Slightly flattened, gently warped noise gives banks of cumulus, more
            // of them towards the middle of the sky.
            const double sx = fx * 3.0, sy = fy * 4.0;
            const double warp = 0.45 * fbm(sx * 0.6, sy * 0.6, 3, 0.5, 11);
            const double bias = -0.08 + 0.16 * std::sin(kPi * fy);
            const double d = fbm(sx + warp, sy + 0.6 * warp, 7, 0.5, 23) + bias;
            const double cover = smoothstep(0.0, 0.38, d);
            // Lit from above: the coarse density falling off upwards gives a bright
            // crown, rising below it a grey base.
            auto coarse = [&](double px, double py) { return fbm(px + warp, py + 0.6 * warp, 3, 0.5, 23); };
            const double slope = coarse(sx, sy) - coarse(sx, sy - 0.12);
            const double shade = std::clamp(0.62 + 2.2 * slope + 0.25 * (d - 0.3), 0.0, 1.0);
            const Colour cloud = mix(rgb255(150, 162, 186), rgb255(255, 255, 252), shade);
            img.at(x, y) = toRgb(mix(base, cloud, cover * 0.96));
        }
    return img;
}

namespace {

// A float canvas on which blades are composited.
struct Canvas {
    int w, h;
    std::vector<Colour> px;
    Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width) * height) {}
    void blend(int x, int y, Colour c, double alpha) {
        if (x < 0 || x >= w || y < 0 || y >= h || alpha <= 0) return;
        Colour& d = px[static_cast<std::size_t>(y) * w + x];
        d = mix(d, c, std::min(alpha, 1.0));
    }
    RgbImage image() const {
        RgbImage img(w, h);
        for (std::size_t i = 0; i < px.size(); ++i) img.pixels[i] = toRgb(px[i]);
        return img;
    }
};

struct Blade {
    double x, y;        // base, in pixels (y grows downwards)
    double length, width, lean, bend;
    double sun;  // brightness of the light falling on this patch
    Colour colour;
};

// Draws one blade row by row: a tapering band along a curved spine, darker at
// the root, lit from the right.
void drawBlade(Canvas& c, const Blade& b) {
    constexpr int kSegments = 24;
    P2 spine[kSegments + 1];
    double angle[kSegments + 1];
    spine[0] = {b.x, b.y};
    for (int i = 0; i <= kSegments; ++i) {
        const double t = static_cast<double>(i) / kSegments;
        angle[i] = b.lean + b.bend * t * t;
        if (i > 0) {
            const double a = 0.5 * (angle[i] + angle[i - 1]);
            spine[i] = spine[i - 1] + P2{std::sin(a), -std::cos(a)} * (b.length / kSegments);
        }
    }
    for (int i = 0; i < kSegments; ++i) {
        const P2 p0 = spine[i], p1 = spine[i + 1];
        const int rowTop = static_cast<int>(std::ceil(p1.y)), rowBottom = static_cast<int>(std::floor(p0.y));
        for (int row = rowTop; row <= rowBottom; ++row) {
            const double f = p0.y == p1.y ? 0 : (p0.y - row) / (p0.y - p1.y);
            const double t = (i + f) / kSegments;
            const double cx = p0.x + (p1.x - p0.x) * f;
            const double half = 0.5 * b.width * std::pow(1 - t, 0.7) / std::max(0.35, std::cos(angle[i]));
            const double shade = 0.16 + 0.9 * std::pow(t, 0.55);
            for (int x = static_cast<int>(std::floor(cx - half - 1)); x <= static_cast<int>(std::ceil(cx + half + 1)); ++x) {
                const double across = (x + 0.5 - cx) / std::max(half, 0.3);
                const double cover = std::clamp(half + 0.5 - std::fabs(x + 0.5 - cx), 0.0, 1.0);
                const double light = shade * (0.8 + 0.3 * across) * (std::fabs(across) < 0.15 ? 0.9 : 1.0);
                const Colour tip = mix(b.colour, rgb255(196, 214, 96), 0.35 * t * t * t);
                c.blend(x, row, tip * (light * b.sun), cover);
            }
        }
    }
}

}  // namespace

RgbImage makeGrass() {
    const int w = 756, h = 512;
    Canvas canvas(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double n = fbm(x / 60.0, y / 60.0, 4, 0.5, 41);
            canvas.px[static_cast<std::size_t>(y) * w + x] = mix(rgb255(14, 30, 8), rgb255(40, 58, 16), 0.5 + 0.5 * n);
        }
    Random rnd(2024);
    std::vector<Blade> blades;
    for (int i = 0; i < 17000; ++i) {
        Blade b;
        b.x = rnd.range(-20, w + 20);
        b.y = rnd.range(0, h + 150);
        b.length = rnd.range(70, 170);
        b.width = rnd.range(4.0, 8.5);
        const double wind = 0.25 * fbm(b.x / 260.0, b.y / 260.0, 2, 0.5, 47);
        b.lean = wind + rnd.range(-0.3, 0.3);
        b.bend = (b.lean >= 0 ? 1 : -1) * rnd.range(0.0, 0.7);
        // Patches of lusher and drier grass.
        const double patch = fbm(b.x / 170.0, b.y / 170.0, 3, 0.5, 43);
        const double dry = std::clamp(0.35 + 0.6 * patch + rnd.range(-0.25, 0.25), 0.0, 1.0);
        const Colour lush = mix(rgb255(58, 128, 30), rgb255(92, 170, 44), rnd.uniform());
        const Colour straw = mix(rgb255(140, 168, 58), rgb255(176, 182, 84), rnd.uniform());
        b.colour = mix(lush, straw, dry * dry * 0.7) * rnd.range(0.8, 1.12);
        b.sun = 0.97 + 0.3 * fbm(b.x / 300.0 + 3.1, b.y / 200.0, 3, 0.5, 53);
        blades.push_back(b);
    }
    // Blades rooted lower in the picture are nearer and cover the ones behind.
    std::stable_sort(blades.begin(), blades.end(), [](const Blade& a, const Blade& b) { return a.y < b.y; });
    for (const Blade& b : blades) drawBlade(canvas, b);
    return canvas.image();
}
RgbImage makeFractex1() {
    const int size = 256, sub = 2;
    auto marble = [](double u, double v) {
        // Veins where a tilted sine band, bent by turbulence, crosses zero.
        const double turb = turbulence(u * 2, v * 2, 7, 0.55, 61, 2);
        const double band = std::sin((u * 2 + v * 1 + 1.25 * turb) * 2 * kPi);
        const double fine = std::sin((u * 1 - v * 3 + 1.0 * turbulence(u * 3, v * 3, 6, 0.55, 67, 3)) * 2 * kPi);
        const double vein = 1 - smoothstep(0.0, 0.32, std::fabs(band));
        const double halo = 1 - smoothstep(0.0, 0.9, std::fabs(band));
        const double thread = 1 - smoothstep(0.0, 0.08, std::fabs(fine));
        const double cloud = fbm(u * 3, v * 3, 6, 0.55, 71, 3);
        Colour c = mix(rgb255(242, 236, 226), rgb255(196, 204, 208), smoothstep(-0.5, 0.7, cloud));
        c = mix(c, rgb255(170, 176, 182), 0.45 * halo * halo);
        c = mix(c, rgb255(120, 136, 146), 0.5 * thread);
        return mix(c, mix(rgb255(84, 100, 112), rgb255(30, 38, 48), vein), std::pow(vein, 1.5));
    };
    RgbImage img(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Colour sum;
            for (int s = 0; s < sub * sub; ++s)
                sum = sum + marble((x + (s % sub + 0.5) / sub) / size, (y + (s / sub + 0.5) / sub) / size);
            img.at(x, y) = toRgb(sum * (1.0 / (sub * sub)));
        }
    return img;
}

RgbImage makeFractex2() {
    const int size = 256, sub = 3, maxIter = 400;
    RgbImage img(size, size);
    const double cRe = -0.745, cIm = 0.113;  // a seahorse-valley Julia set
    const double scale = 1.75 / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Colour sum;
            for (int s = 0; s < sub * sub; ++s) {
                double zr = (x + (s % sub + 0.5) / sub - size / 2.0) * scale;
                double zi = (size / 2.0 - y - (s / sub + 0.5) / sub) * scale;
                int n = 0;
                double m2 = 0;
                for (; n < maxIter; ++n) {
                    const double zr2 = zr * zr, zi2 = zi * zi;
                    m2 = zr2 + zi2;
                    if (m2 > 256) break;
                    zi = 2 * zr * zi + cIm;
                    zr = zr2 - zi2 + cRe;
                }
                if (n == maxIter) {
                    sum = sum + rgb255(8, 6, 30);
                    continue;
                }
                // Smooth escape count, coloured with a cosine palette.
                const double mu = n + 1 - std::log(std::log(m2) / 2 / std::log(2.0)) / std::log(2.0);
                const double t = std::sqrt(mu / 60.0);
                const Colour c{0.5 + 0.5 * std::cos(2 * kPi * (t * 1.6 + 0.60)),
                               0.5 + 0.5 * std::cos(2 * kPi * (t * 1.6 + 0.72)),
                               0.5 + 0.5 * std::cos(2 * kPi * (t * 1.6 + 0.88))};
                sum = sum + mix(rgb255(6, 4, 26), c, std::min(1.0, mu / 6.0));
            }
            img.at(x, y) = toRgb(sum * (1.0 / (sub * sub)));
        }
    return img;
}

RgbImage makeFractex3() {
    const int size = 512, cells = 9;
    RgbImage img(size, size);
    const std::vector<Colour> glass = {rgb255(170, 30, 40),  rgb255(220, 120, 30), rgb255(235, 190, 60),
                                       rgb255(40, 120, 60),  rgb255(30, 90, 170),  rgb255(90, 50, 150),
                                       rgb255(20, 140, 150), rgb255(200, 70, 110)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size * cells, v = (y + 0.5) / size * cells;
            // Warp the cell lattice a little so the panes are not all straight-edged.
            const double wu = u + 0.18 * fbm(u * 0.7, v * 0.7, 3, 0.5, 81, cells * 7 / 10);
            const double wv = v + 0.18 * fbm(u * 0.7 + 9.2, v * 0.7, 3, 0.5, 83, cells * 7 / 10);
            const CellDistances big = cellular(wu, wv, 85, cells);
            const CellDistances small = cellular(wu * 3, wv * 3, 87, cells * 3);
            const Colour pane = glass[big.id % glass.size()];
            // Light through the glass: brightest in the middle of a pane, mottled.
            const double glow = 0.55 + 0.45 * (1 - smoothstep(0.0, 0.75, big.f1));
            const double mottle = 0.85 + 0.25 * fbm(u * 4, v * 4, 4, 0.55, 89, cells * 4);
            const double crackle = smoothstep(0.0, 0.06, small.f2 - small.f1);
            Colour c = pane * (glow * mottle * (0.8 + 0.2 * crackle));
            c = mix(c, Colour{1, 1, 1}, 0.12 * (1 - smoothstep(0.0, 0.35, big.f1)));
            const double lead = 1 - smoothstep(0.05, 0.09, big.f2 - big.f1);
            c = mix(c, rgb255(26, 24, 22), lead);
            img.at(x, y) = toRgb(c);
        }
    return img;
}
namespace {

// One map of the flame's function system: an affine part followed by a blend of
// non-linear variations.
struct FlameMap {
    double weight;
    double a, b, c, d, e, f;  // x' = a x + b y + c, y' = d x + e y + f
    double linear, spherical, swirl, sinusoidal, horseshoe;
    double colour;            // position in the palette this map pulls towards
};

P2 applyMap(const FlameMap& m, P2 p) {
    const double x = m.a * p.x + m.b * p.y + m.c, y = m.d * p.x + m.e * p.y + m.f;
    const double r2 = x * x + y * y + 1e-12, r = std::sqrt(r2);
    P2 out{m.linear * x, m.linear * y};
    if (m.spherical != 0) out = out + P2{x / r2, y / r2} * m.spherical;
    if (m.swirl != 0) {
        const double s = std::sin(r2), c = std::cos(r2);
        out = out + P2{x * s - y * c, x * c + y * s} * m.swirl;
    }
    if (m.sinusoidal != 0) out = out + P2{std::sin(x), std::sin(y)} * m.sinusoidal;
    if (m.horseshoe != 0) out = out + P2{(x - y) * (x + y) / r, 2 * x * y / r} * m.horseshoe;
    return out;
}

}  // namespace

RgbImage makeFractex5() {
    const int size = 512, sub = 2, grid = size * sub;
    const std::vector<FlameMap> maps = {
        {0.40, 0.56, -0.42, 0.10, 0.42, 0.56, -0.05, 0.6, 0.4, 0.0, 0.0, 0.0, 0.0},
        {0.30, -0.38, 0.28, 0.62, -0.30, -0.36, 0.44, 0.3, 0.0, 0.7, 0.0, 0.0, 0.55},
        {0.20, 0.30, 0.0, -0.55, 0.0, 0.30, -0.40, 0.0, 0.0, 0.0, 0.6, 0.4, 0.85},
        {0.10, -0.62, -0.05, 0.0, 0.05, -0.62, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.3},
    };
    const std::vector<Colour> palette = {rgb255(60, 0, 80), rgb255(170, 20, 60), rgb255(240, 90, 20),
                                         rgb255(255, 190, 60), rgb255(255, 245, 200)};
    const double zoom = grid / 2.9, centreX = 0.0, centreY = 0.05;

    std::vector<double> hits(static_cast<std::size_t>(grid) * grid), hue(hits.size());
    double total = 0;
    for (const FlameMap& m : maps) total += m.weight;
    Random rnd(5);
    P2 p{rnd.range(-1, 1), rnd.range(-1, 1)};
    double colour = 0.5;
    for (long i = 0; i < 24000000; ++i) {
        double pick = rnd.uniform() * total;
        std::size_t k = 0;
        while (k + 1 < maps.size() && pick >= maps[k].weight) pick -= maps[k++].weight;
        p = applyMap(maps[k], p);
        colour = 0.5 * (colour + maps[k].colour);
        if (!(std::fabs(p.x) < 1e6 && std::fabs(p.y) < 1e6)) p = {rnd.range(-1, 1), rnd.range(-1, 1)};
        if (i < 20) continue;
        const int gx = static_cast<int>(std::floor((p.x - centreX) * zoom + grid / 2.0));
        const int gy = static_cast<int>(std::floor((centreY - p.y) * zoom + grid / 2.0));
        if (gx < 0 || gy < 0 || gx >= grid || gy >= grid) continue;
        const std::size_t at = static_cast<std::size_t>(gy) * grid + gx;
        hits[at] += 1;
        hue[at] += colour;
    }

    // Log-density tone mapping, averaged over the sub-samples of each pixel.
    double peak = 1;
    for (double h : hits) peak = std::max(peak, h);
    const double logPeak = std::log(1 + peak);
    RgbImage img(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Colour sum;
            for (int s = 0; s < sub * sub; ++s) {
                const std::size_t at = static_cast<std::size_t>(y * sub + s / sub) * grid + x * sub + s % sub;
                if (hits[at] == 0) continue;
                const double alpha = std::pow(std::min(1.0, 1.5 * std::log(1 + hits[at]) / logPeak), 1 / 2.2);
                sum = sum + ramp(palette, hue[at] / hits[at]) * alpha;
            }
            img.at(x, y) = toRgb(mix(rgb255(4, 2, 12), sum * (1.0 / (sub * sub)), 1.0));
        }
    return img;
}

}  // namespace artgen
