// Bitmap resources read in place, or else as DIB sections; see dib_image.h.
#include "dib_image.h"

#include "packed_dib.h"
#include "scene_view.h"

DibImage::DibImage() { GdiFlush(); }

DibImage::~DibImage() { Clear(); }

void DibImage::Clear() {
    if (bitmap_) DeleteObject(bitmap_);
    width_ = height_ = bytesPerPixel_ = stride_ = 0;
    bitmap_ = nullptr;
    pixels_ = nullptr;
}

bool DibImage::LoadFromResource(int id) {
    Clear();
    // A resource stays mapped as long as the program runs: its rows need no copy.
    const HMODULE module = GetModuleHandleA(nullptr);
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP)) {
        const HGLOBAL data = LoadResource(module, found);
        PackedDibView view;
        if (data && ReadPackedDib(LockResource(data), SizeofResource(module, found), view)) {
            width_ = view.width;
            height_ = view.height;
            bytesPerPixel_ = view.bytesPerPixel;
            stride_ = view.stride;
            pixels_ = view.pixels;
            return true;
        }
    }
    HANDLE loaded = LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
    if (!loaded) return false;
    HBITMAP bitmap = static_cast<HBITMAP>(loaded);
    DIBSECTION section{};
    if (GetObjectA(bitmap, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits ||
        (section.dsBm.bmBitsPixel != 24 && section.dsBm.bmBitsPixel != 32) ||
        section.dsBm.bmWidth <= 0 || section.dsBm.bmHeight <= 0) {
        DeleteObject(bitmap);
        return false;
    }
    width_ = section.dsBm.bmWidth;
    height_ = section.dsBm.bmHeight;
    bytesPerPixel_ = section.dsBm.bmBitsPixel / 8;
    stride_ = DibStride(width_, bytesPerPixel_);
    bitmap_ = bitmap;
    pixels_ = static_cast<unsigned char*>(section.dsBm.bmBits);
    return true;
}
