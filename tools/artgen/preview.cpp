// Software rendering of the model for previews.
#include "preview.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSuper = 3;  // samples per pixel along each axis

struct Mat3 {
    double m[3][3];
    P3 operator*(P3 v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    Mat3 operator*(const Mat3& o) const {
        Mat3 r{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k) r.m[i][j] += m[i][k] * o.m[k][j];
        return r;
    }
};

Mat3 rotation(double degrees, int axis) {
    const double a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a);
    if (axis == 0) return {{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
    if (axis == 1) return {{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
    return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

// Vertex normals as the saver computes them: the unit sum of the adjacent faces'
// (P1 - P0) x (P2 - P0).
std::vector<P3> vertexNormals(const Mesh& mesh) {
    std::vector<P3> sum(mesh.vertices.size());
    for (const Triangle& f : mesh.faces) {
        const P3 a = mesh.vertices[f[0]], b = mesh.vertices[f[1]], c = mesh.vertices[f[2]];
        const P3 n = cross(b - a, c - a);
        for (int i = 0; i < 3; ++i)
            if ((i == 0 || f[i] != f[0]) && (i < 2 || f[2] != f[1])) sum[f[i]] = sum[f[i]] + n;
    }
    for (P3& n : sum) {
        const double len = length(n);
        if (len > 0) n = n * (1 / len);
    }
    return sum;
}

// Box-filtered halvings of a texture, the finest first.
std::vector<RgbImage> mipChain(const RgbImage& base) {
    std::vector<RgbImage> chain{base};
    while (chain.back().width > 1 && chain.back().height > 1) {
        const RgbImage& src = chain.back();
        RgbImage dst(src.width / 2, src.height / 2);
        for (int y = 0; y < dst.height; ++y)
            for (int x = 0; x < dst.width; ++x) {
                int r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    const Rgb& p = src.at(2 * x + (k & 1), 2 * y + (k >> 1));
                    r += p.r;
                    g += p.g;
                    b += p.b;
                }
                dst.at(x, y) = {static_cast<std::uint8_t>(r / 4), static_cast<std::uint8_t>(g / 4),
                                static_cast<std::uint8_t>(b / 4)};
            }
        chain.push_back(std::move(dst));
    }
    return chain;
}

// Bilinear sample with v = 0 at the bottom row, clamped at the edges.
Colour sample(const RgbImage& img, double u, double v) {
    const double x = std::clamp(u * img.width - 0.5, 0.0, img.width - 1.0);
    const double y = std::clamp((1 - v) * img.height - 0.5, 0.0, img.height - 1.0);
    const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    const int x1 = std::min(x0 + 1, img.width - 1), y1 = std::min(y0 + 1, img.height - 1);
    const double fx = x - x0, fy = y - y0;
    const Colour top = mix(toColour(img.at(x0, y0)), toColour(img.at(x1, y0)), fx);
    const Colour bottom = mix(toColour(img.at(x0, y1)), toColour(img.at(x1, y1)), fx);
    return mix(top, bottom, fy);
}

struct ScreenVertex {
    double x, y, invW, depth;
    double u, v, light;
};

class Rasteriser {
public:
    Rasteriser(int w, int h) : w_(w), h_(h), colour_(static_cast<std::size_t>(w) * h), depth_(colour_.size(), 1e30) {}

    void triangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, const std::vector<RgbImage>* mips,
                  int lod) {
        const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (area == 0) return;
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        const int x1 = std::min(w_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        const int y1 = std::min(h_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
                const double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
                const double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                const double depth = wa * a.depth + wb * b.depth + wc * c.depth;
                const std::size_t i = static_cast<std::size_t>(y) * w_ + x;
                if (depth >= depth_[i]) continue;
                depth_[i] = depth;
                const double pa = wa * a.invW, pb = wb * b.invW, pc = wc * c.invW, sum = pa + pb + pc;
                const double u = (pa * a.u + pb * b.u + pc * c.u) / sum;
                const double v = (pa * a.v + pb * b.v + pc * c.v) / sum;
                const double light = (pa * a.light + pb * b.light + pc * c.light) / sum;
                const Colour tex = mips ? sample((*mips)[static_cast<std::size_t>(lod)], u, v) : Colour{1, 1, 1};
                colour_[i] = tex * light;
            }
    }

    RgbImage resolve(int factor) const {
        RgbImage out(w_ / factor, h_ / factor);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) {
                Colour sum;
                for (int sy = 0; sy < factor; ++sy)
                    for (int sx = 0; sx < factor; ++sx)
                        sum = sum + colour_[static_cast<std::size_t>(y * factor + sy) * w_ + x * factor + sx];
                out.at(x, y) = toRgb(sum * (1.0 / (factor * factor)));
            }
        return out;
    }

private:
    int w_, h_;
    std::vector<Colour> colour_;
    std::vector<double> depth_;
};

}  // namespace

RgbImage renderPreview(const std::vector<Mesh>& meshes, const std::vector<const RgbImage*>& textures,
                       const PreviewView& view) {
    const int w = view.width * kSuper, h = view.height * kSuper;
    Rasteriser raster(w, h);

    // gluLookAt from (0, 1.5, d) at the origin with y up.
    const P3 eye{0, 1.5, view.cameraDistance};
    const P3 f = eye * (-1.0 / length(eye));
    P3 s = cross(f, {0, 1, 0});
    s = s * (1 / length(s));
    const P3 u = cross(s, f);
    const Mat3 look{{{s.x, s.y, s.z}, {u.x, u.y, u.z}, {-f.x, -f.y, -f.z}}};
    const P3 shift = look * eye;
    const Mat3 spin = rotation(view.spinX, 0) * rotation(view.spinY, 1) * rotation(view.spinZ, 2);
    const double focal = 1 / std::tan(22.5 * kPi / 180);
    const double aspect = static_cast<double>(view.width) / view.height;

    for (std::size_t mi = view.background ? 0 : 1; mi < meshes.size(); ++mi) {
        const Mesh& mesh = meshes[mi];
        const Mat3 model = mi == 0 ? look : look * spin;
        const std::vector<P3> normals = vertexNormals(mesh);
        std::vector<RgbImage> mips;
        if (mi < textures.size() && textures[mi]) mips = mipChain(*textures[mi]);

        std::vector<ScreenVertex> sv(mesh.vertices.size());
        std::vector<bool> visible(mesh.vertices.size());
        for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
            const P3 e = model * mesh.vertices[i] - shift;
            visible[i] = e.z < -0.5;
            const double invW = 1 / -e.z;
            const P3 n = model * normals[i];
            const double light = view.lighting ? std::min(1.0, 0.2 + std::max(0.0, n.z)) : 1.0;
            const P2 t = i < mesh.texCoords.size() ? mesh.texCoords[i] : P2{};
            sv[i] = {(e.x * focal / aspect * invW + 1) * 0.5 * w, (1 - e.y * focal * invW) * 0.5 * h, invW,
                     -e.z, t.x, t.y, light};
        }
        for (const Triangle& t : mesh.faces) {
            if (!visible[t[0]] || !visible[t[1]] || !visible[t[2]]) continue;
            int lod = 0;
            if (!mips.empty()) {
                const ScreenVertex &a = sv[t[0]], &b = sv[t[1]], &c = sv[t[2]];
                const double screenArea = std::abs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / (kSuper * kSuper);
                const double texArea = std::abs((b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u)) *
                                       mips[0].width * mips[0].height;
                if (screenArea > 0 && texArea > screenArea) lod = static_cast<int>(0.5 * std::log2(texArea / screenArea));
                lod = std::clamp(lod, 0, static_cast<int>(mips.size()) - 1);
            }
            raster.triangle(sv[t[0]], sv[t[1]], sv[t[2]], mips.empty() ? nullptr : &mips, lod);
        }
    }
    return raster.resolve(kSuper);
}

}  // namespace artgen
