// Screen and front-buffer pictures with the pixel statistics the scene tests use, and
// texture levels read back.
#include "picture.h"

#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <set>

Box Picture::Centre(double fraction) const {
    const int w = static_cast<int>(width * fraction);
    const int h = static_cast<int>(height * fraction);
    return Box{(width - w) / 2, (height - h) / 2, (width - w) / 2 + w, (height - h) / 2 + h};
}

bool Picture::InBorder(int x, int y, double margin) const {
    const int mx = static_cast<int>(width * margin);
    const int my = static_cast<int>(height * margin);
    return x < mx || y < my || x >= width - mx || y >= height - my;
}

bool IsBlack(const Rgb& p) { return p.r == 0 && p.g == 0 && p.b == 0; }
bool IsBlueSky(const Rgb& p) { return p.b > p.r + 20 && p.b > p.g + 10; }
bool IsGreen(const Rgb& p) { return p.g > p.r + 10 && p.g > p.b + 10; }

Texels ReadTexture(unsigned int name, int level) {
    Texels t;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &t.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &t.height);
    t.rgba.resize(static_cast<size_t>(t.width) * t.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (!t.rgba.empty()) glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, t.rgba.data());
    return t;
}

Picture CaptureScreen() {
    Picture picture;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY)) {
            GdiFlush();
            picture.width = width;
            picture.height = height;
            picture.pixels.resize(static_cast<size_t>(width) * height);
            const auto* source = static_cast<const std::uint8_t*>(bits);
            for (size_t i = 0; i < picture.pixels.size(); ++i)
                picture.pixels[i] = Rgb{source[i * 4 + 2], source[i * 4 + 1], source[i * 4]};
        }
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

Picture ReadLastFrame(int width, int height) {
    Picture picture;
    if (width <= 0 || height <= 0) return picture;
    std::vector<std::uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    if (glGetError() != GL_NO_ERROR) return picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<size_t>(height - 1 - y) * width + x) * 3];
            picture.pixels[static_cast<size_t>(y) * width + x] = Rgb{p[0], p[1], p[2]};
        }
    return picture;
}

int Count(const Picture& picture, const Box& box, const PixelTest& test) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (test(picture.At(x, y))) ++count;
    return count;
}

int CountInBorder(const Picture& picture, double margin, const PixelTest& test, int* total) {
    int count = 0, all = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            if (!picture.InBorder(x, y, margin)) continue;
            ++all;
            if (test(picture.At(x, y))) ++count;
        }
    if (total) *total = all;
    return count;
}

int DistinctColours(const Picture& picture, const Box& box, int limit) {
    std::set<std::uint32_t> seen;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const Rgb& p = picture.At(x, y);
            seen.insert(static_cast<std::uint32_t>(p.r) << 16 | p.g << 8 | p.b);
            if (static_cast<int>(seen.size()) >= limit) return limit;
        }
    return static_cast<int>(seen.size());
}

int CountChanged(const Picture& a, const Picture& b, const Box& box) {
    if (a.width != b.width || a.height != b.height) return -1;
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (a.At(x, y) != b.At(x, y)) ++count;
    return count;
}

Box BoundsOf(const Picture& picture, const PixelTest& test) {
    Box box{picture.width, picture.height, 0, 0};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (test(picture.At(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.right == 0 ? Box{} : box;
}
