// What a picture may cost. Every reader checks these before it allocates anything for the
// picture, so a lying header or a huge file cannot exhaust memory or time.
#pragma once

#include <cstdint>

namespace kiova {

inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{64} << 20;
inline constexpr std::int64_t kMaxPictureSide = 16384;
// Enough for any picture a character shows (8192 x 8192).
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;
// Qt's image readers refuse to allocate more than this many megabytes: such a picture at
// 32 bits a pixel.
inline constexpr int kPictureAllocationLimitMb = static_cast<int>((kMaxPicturePixels * 4) >> 20);

constexpr bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace kiova
