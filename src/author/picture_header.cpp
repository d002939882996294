#include "author/picture_header.h"

#include <cstdint>

#include "pictures/picture_plan.h"

namespace zorvik::author {

namespace {

bool Bytes(std::string_view s, size_t at, size_t count) {
  return at <= s.size() && s.size() - at >= count;
}

std::uint32_t Le(std::string_view s, size_t at, int count) {
  std::uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) {
    v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
  }
  return v;
}

std::uint32_t Be16(std::string_view s, size_t at) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 8) |
         static_cast<unsigned char>(s[at + 1]);
}

PictureHeader Fail(std::string why) {
  PictureHeader h;
  h.error = std::move(why);
  return h;
}

bool Usable(long long w, long long h) {
  return w <= kLargestPictureSide && h <= kLargestPictureSide &&
         ReadableSize({static_cast<int>(w), static_cast<int>(h)});
}

// The launcher takes bitmaps with an info header of 40 bytes or more whose pixels are all there.
PictureHeader Bitmap(std::string_view s) {
  constexpr size_t kFileHeader = 14;
  if (!Bytes(s, 0, kFileHeader + 40)) return Fail("the bitmap is damaged");
  const std::uint32_t offBits = Le(s, 10, 4);
  const std::uint32_t infoSize = Le(s, kFileHeader, 4);
  if (infoSize < 40 || infoSize > s.size() - kFileHeader) {
    return Fail("the bitmap is damaged");
  }
  const auto width = static_cast<std::int32_t>(Le(s, 18, 4));
  const auto rawHeight = static_cast<std::int32_t>(Le(s, 22, 4));
  const long long height = rawHeight < 0 ? -static_cast<long long>(rawHeight) : rawHeight;
  const std::uint32_t planes = Le(s, 26, 2);
  const std::uint32_t bits = Le(s, 28, 2);
  const std::uint32_t compression = Le(s, 30, 4);
  const std::uint32_t imageSize = Le(s, 34, 4);
  if (!Usable(width, height) || planes != 1) {
    return Fail("the bitmap has no usable size");
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return Fail("the bitmap has an unknown number of colours");
  }
  constexpr std::uint32_t kRle8 = 1, kRle4 = 2;
  const bool packed = compression == kRle8 || compression == kRle4;
  const unsigned long long stride = (static_cast<unsigned long long>(width) * bits + 31) / 32 * 4;
  const unsigned long long pixels =
      packed ? imageSize : stride * static_cast<unsigned long long>(height);
  if (pixels == 0 || offBits > s.size() || pixels > s.size() - offBits) {
    return Fail("the bitmap is damaged");
  }
  return {true, width, static_cast<int>(height), ""};
}

// Walks the JPEG's segments up to the frame header, which holds the size.
PictureHeader Jpeg(std::string_view s) {
  size_t at = 2;
  while (true) {
    while (Bytes(s, at, 1) && static_cast<unsigned char>(s[at]) == 0xFF && Bytes(s, at + 1, 1) &&
           static_cast<unsigned char>(s[at + 1]) == 0xFF) {
      ++at;  // fill bytes
    }
    if (!Bytes(s, at, 2) || static_cast<unsigned char>(s[at]) != 0xFF) {
      return Fail("the JPEG picture is damaged");
    }
    const unsigned marker = static_cast<unsigned char>(s[at + 1]);
    at += 2;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA) {
      return Fail("the JPEG picture has no size before its image data");
    }
    if (!Bytes(s, at, 2)) return Fail("the JPEG picture is damaged");
    const std::uint32_t length = Be16(s, at);
    if (length < 2 || !Bytes(s, at, length)) return Fail("the JPEG picture is damaged");
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (length < 7) return Fail("the JPEG picture is damaged");
      // Baseline, extended and progressive pictures are what Windows' JPEG reader takes.
      if (marker > 0xC2) {
        return Fail("the JPEG picture uses a coding Windows can't show");
      }
      const int height = static_cast<int>(Be16(s, at + 3));
      const int width = static_cast<int>(Be16(s, at + 5));
      if (!Usable(width, height)) return Fail("the JPEG picture has no usable size");
      return {true, width, height, ""};
    }
    at += length;
  }
}

}  // namespace

PictureHeader ReadPictureHeader(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return Bitmap(bytes);
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xD8) {
    return Jpeg(bytes);
  }
  return Fail(bytes.empty() ? "the file is empty" : "it is not a bitmap or JPEG picture");
}

}  // namespace zorvik::author
