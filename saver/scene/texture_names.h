// The six built-in textures by slot. Slot i is made from bitmap resource
// TEXTURE_RESOURCE_BASE + i; the configuration dialog lists the same names without
// ".bmp", and the settings store slot numbers.
#pragma once

#include <string>

constexpr int TEXTURE_NAME_COUNT = 6;
constexpr int TEXTURE_RESOURCE_BASE = 116;

// The texture set-up appends the materials of table entries 2 to 5 after the model's own
// and loads bitmap TEXTURE_RESOURCE_BASE + i for every material i that names a texture;
// only the six bitmaps exist, so a model may bring at most two materials of its own.
constexpr int APPENDED_TEXTURE_MATERIALS = TEXTURE_NAME_COUNT - 2;
constexpr int MAX_MODEL_MATERIALS = TEXTURE_NAME_COUNT - APPENDED_TEXTURE_MATERIALS;

// Longest texture side the saver uploads and the build check accepts, in pixels.
constexpr int MAX_TEXTURE_SIDE = 2048;

inline constexpr const char* TextureNameTable[TEXTURE_NAME_COUNT] = {
    "sky.bmp", "GRASS2.bmp", "fractex1.bmp", "fractex2.bmp", "fractex3.bmp", "fractex5.bmp",
};

// The name of `slot` as the dialog shows it: the table entry up to ".bmp" ("GRASS2" for
// slot 1). Empty for a slot outside 0..TEXTURE_NAME_COUNT - 1.
inline std::string TextureDisplayName(int slot) {
    if (slot < 0 || slot >= TEXTURE_NAME_COUNT) return std::string();
    std::string name = TextureNameTable[slot];
    const std::string::size_type dot = name.rfind(".bmp");
    return dot == std::string::npos ? name : name.substr(0, dot);
}
