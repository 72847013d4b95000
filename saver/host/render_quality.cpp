// Renderer classification and the multisampling choice; see render_quality.h.
#include "render_quality.h"

#include <cstddef>

namespace {
// Names found in the renderer or vendor strings of software rasterizers.
const char* const kSoftwareNames[] = {"llvmpipe",    "softpipe",     "swrast",
                                      "swiftshader", "gdi generic",  "basic render",
                                      "software rasterizer"};

// ASCII lower case, whatever the locale (driver strings are ASCII).
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `text` holds `name` (lower case) in any letter case.
bool Contains(const char* text, const char* name) {
    if (!text) return false;
    for (const char* start = text; *start; ++start) {
        std::size_t i = 0;
        while (name[i] && start[i] && Lower(start[i]) == name[i]) ++i;
        if (!name[i]) return true;
    }
    return false;
}
}  // namespace

RendererKind ClassifyRenderer(const char* vendor, const char* renderer, PixelFormatFlags flags) {
    if (flags.generic && !flags.genericAccelerated) return RendererKind::Software;
    for (const char* name : kSoftwareNames)
        if (Contains(renderer, name) || Contains(vendor, name)) return RendererKind::Software;
    return RendererKind::Hardware;
}

int MultisampleSamples(RendererKind kind, int width, int height, int wanted) {
    if (kind == RendererKind::Software || width <= 0 || height <= 0) return 0;
    const long long pixels = static_cast<long long>(width) * height;
    int samples = wanted;
    while (samples >= 2 && pixels * samples > MAX_SAMPLE_PIXELS) samples /= 2;
    return samples >= 2 ? samples : 0;
}
