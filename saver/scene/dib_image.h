// A device-independent bitmap of the program's resources, with its pixels exposed row by
// row for the texture upload: read in place when it is a plain bottom-up 24- or 32-bit
// bitmap, else loaded as a DIB section by the system.
#pragma once

#include <windows.h>

class DibImage {
public:
    DibImage();
    ~DibImage();
    DibImage(const DibImage&) = delete;
    DibImage& operator=(const DibImage&) = delete;

    // Loads bitmap resource `id` of this program. True when it loaded and has 24 or 32
    // bits per pixel; otherwise the image is left empty.
    bool LoadFromResource(int id);

    // First byte of row y; row 0 is the bottom row of a bottom-up bitmap.
    const unsigned char* Row(int y) const { return pixels_ + y * stride_; }
    const unsigned char* Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytesPerPixel_; }
    int Stride() const { return stride_; }

    // Deletes the bitmap and empties the image.
    void Clear();

private:
    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 0;
    int stride_ = 0;
    HBITMAP bitmap_ = nullptr;
    const unsigned char* pixels_ = nullptr;  // in the resource itself, or in bitmap_
};
