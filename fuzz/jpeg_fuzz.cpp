// Any bytes as a cover read at an eighth: no crash, no reading past the data, and a picture of
// the size it says, opaque, that shrinks to the banner's box.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pictures/jpeg_eighth.h"
#include "pictures/shrink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zorvik::MemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
  zorvik::JpegEighth jpeg(source);
  const std::optional<zorvik::JpegFrame> frame = jpeg.ReadFrame();
  if (!frame || !frame->eighthPossible) return 0;
  if (frame->size.width <= 0 || frame->size.height <= 0) std::abort();
  std::string error;
  // A small limit keeps each run quick; the reading is the same at any size.
  const std::optional<zorvik::EighthPicture> eighth = jpeg.ReadEighth(1 << 16, error);
  if (!eighth) {
    if (error.empty()) std::abort();
    return 0;
  }
  const zorvik::PixelSize s = eighth->size;
  if (s.width != (frame->size.width + 7) / 8 || s.height != (frame->size.height + 7) / 8 ||
      eighth->pixels.size() != static_cast<size_t>(s.width) * s.height) {
    std::abort();
  }
  for (std::uint32_t p : eighth->pixels) {
    if (p >> 24 != 0xFF) std::abort();
  }
  zorvik::Shrinker shrink(s, zorvik::FitWithin(s, {214, 308}));
  for (int y = 0; y < s.height; ++y) {
    shrink.AddRow(&eighth->pixels[static_cast<size_t>(y) * s.width]);
  }
  for (std::uint32_t p : shrink.Result()) {
    if (p >> 24 != 0xFF) std::abort();
  }
  return 0;
}
