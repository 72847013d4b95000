// What the OpenGL renderer can afford: whether it draws in software, told from the
// strings the driver gives and the pixel format's flags, and how many samples per pixel
// the saver asks of it. A software renderer computes every sample on the processor, so
// there multisampling is the dearest part of a frame. Portable.
#pragma once

enum class RendererKind { Hardware, Software };

// Flags of a pixel format descriptor that tell Windows' own implementation apart.
struct PixelFormatFlags {
    bool generic = false;             // PFD_GENERIC_FORMAT
    bool genericAccelerated = false;  // PFD_GENERIC_ACCELERATED
};

// Software for Windows' generic implementation (a generic format that is not
// accelerated) and for a renderer or vendor string naming a known software rasterizer
// (llvmpipe, softpipe, swrast, SwiftShader, the basic render driver...), compared
// without regard to case; Hardware otherwise, also when the strings are missing.
RendererKind ClassifyRenderer(const char* vendor, const char* renderer, PixelFormatFlags flags);

// Sample-pixels (samples per pixel times pixels) the saver's multisampled buffers may
// hold: with colour and depth for every sample, about 512 MB in a 32-bit process would be
// too much; this is about 128 MB.
constexpr long long MAX_SAMPLE_PIXELS = 16LL * 1024 * 1024;

// Samples per pixel to ask for on a `width` x `height` window: none for a software
// renderer; otherwise `wanted`, halved while the window's samples would exceed
// MAX_SAMPLE_PIXELS; 0 when that leaves fewer than 2.
int MultisampleSamples(RendererKind kind, int width, int height, int wanted);
