// How a picture file is read for showing in a box: its size fitted to the box, and whether it is
// read whole or at an eighth of its size (or not at all), so that memory stays bounded.
#pragma once

#include <cstdint>

namespace zorvik {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// The longest side of a picture the launcher reads; a picture with a longer one, or a side of
// nothing, is not a picture it shows.
inline constexpr int kLargestPictureSide = 65535;
bool ReadableSize(PixelSize picture);

// A box of twips in pixels at 96 dots per inch, rounded up: a box of 214.3 pixels is given 215 of
// the screen's, so a picture made for it keeps its own size.
PixelSize BoxPixels(int widthTwips, int heightTwips);

// Why a picture that PlanReading calls TooLarge isn't shown.
inline constexpr const char* kPictureTooLarge = "it is too large to be shown.";

// The picture's size shrunk to fit within the box, keeping its proportions and at least a pixel
// each way. A picture that fits already, or an empty box, keeps its own size.
PixelSize FitWithin(PixelSize picture, PixelSize box);

// Wine's codecs hold three to four bytes of every pixel at once while decoding.
// Above this a JPEG is read at an eighth when it can be.
inline constexpr std::int64_t kLargestWholeJpeg = 8'000'000;
// Above this no picture is read whole.
inline constexpr std::int64_t kLargestWholePicture = 24'000'000;
// The most pixels of an eighth-size reading (a JPEG of 256 megapixels).
inline constexpr std::int64_t kLargestEighth = 4'000'000;

enum class PictureReading {
  Whole,     // decoded at its own size, then shrunk to fit
  Eighth,    // a JPEG read from the means of its 8x8 blocks, then shrunk to fit
  TooLarge,  // neither can be done within the memory the launcher allows itself
};

// `eighthPossible`: the picture is a JPEG of a kind the eighth-size reading takes. It is read
// that way where nothing is lost (it is shrunk to an eighth or less anyway) and where reading it
// whole would take too much memory.
PictureReading PlanReading(PixelSize picture, PixelSize box, bool eighthPossible);

}  // namespace zorvik
