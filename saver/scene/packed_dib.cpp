// Plain bitmaps read in place; see packed_dib.h.
#include "packed_dib.h"

#include "scene_view.h"

namespace {
constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kUncompressed = 0;   // BI_RGB
// Sides beyond this are not textures the saver could use; it also keeps every size
// below in range of the arithmetic.
constexpr std::int32_t kLargestSide = 1 << 15;

std::uint32_t Little32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Little16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
}  // namespace

bool ReadPackedDib(const void* data, std::size_t size, PackedDibView& view) {
    view = PackedDibView{};
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (!bytes || size < kInfoHeaderSize || Little32(bytes) != kInfoHeaderSize) return false;
    const auto width = static_cast<std::int32_t>(Little32(bytes + 4));
    const auto height = static_cast<std::int32_t>(Little32(bytes + 8));  // below zero: top-down
    const unsigned planes = Little16(bytes + 12), bits = Little16(bytes + 14);
    const std::uint32_t compression = Little32(bytes + 16), colours = Little32(bytes + 32);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != kUncompressed || colours != 0 ||
        width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return false;
    const int bytesPerPixel = static_cast<int>(bits / 8);
    const int stride = DibStride(width, bytesPerPixel);
    if ((size - kInfoHeaderSize) / static_cast<std::size_t>(stride) < static_cast<std::size_t>(height))
        return false;
    view.pixels = bytes + kInfoHeaderSize;
    view.width = width;
    view.height = height;
    view.bytesPerPixel = bytesPerPixel;
    view.stride = stride;
    return true;
}
