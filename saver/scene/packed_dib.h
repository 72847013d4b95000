// The layout of a bitmap resource as the program's image holds it: a BITMAPINFOHEADER
// followed by the rows, with no file header. Portable: the texture step reads plain
// uncompressed bitmaps straight from the mapped resource, without GDI making a copy.
#pragma once

#include <cstddef>
#include <cstdint>

// Rows of a packed bitmap that can be used as they stand.
struct PackedDibView {
    const std::uint8_t* pixels = nullptr;  // first byte of the bottom row
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;  // 3 (blue-green-red) or 4 (blue-green-red and a spare byte)
    int stride = 0;         // bytes from one row to the next, a multiple of four
};

// `data` (`size` bytes) as a bottom-up, uncompressed 24- or 32-bit bitmap whose rows all
// lie inside `data`. False for anything else (another header, a top-down or compressed
// bitmap, a colour table, sides that are zero or too large, rows cut short): such a
// bitmap is left to the system's own loader.
bool ReadPackedDib(const void* data, std::size_t size, PackedDibView& view);
