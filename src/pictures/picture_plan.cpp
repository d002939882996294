#include "pictures/picture_plan.h"

#include <algorithm>

namespace zorvik {

bool ReadableSize(PixelSize picture) {
  return picture.width > 0 && picture.height > 0 && picture.width <= kLargestPictureSide &&
         picture.height <= kLargestPictureSide;
}

PixelSize BoxPixels(int widthTwips, int heightTwips) {
  constexpr std::int64_t kTwipsPerInch = 1440, kDpi = 96;
  const auto pixels = [](int t) {
    return static_cast<int>((std::int64_t{t} * kDpi + kTwipsPerInch - 1) / kTwipsPerInch);
  };
  return {pixels(widthTwips), pixels(heightTwips)};
}

PixelSize FitWithin(PixelSize picture, PixelSize box) {
  if (box.width <= 0 || box.height <= 0) return picture;
  if (picture.width <= box.width && picture.height <= box.height) return picture;
  const std::int64_t w = picture.width, h = picture.height;
  // Whichever side meets its edge of the box first sets the scale; the other side is rounded.
  if (w * box.height >= h * box.width) {
    return {box.width, static_cast<int>(std::max<std::int64_t>(1, (h * box.width + w / 2) / w))};
  }
  return {static_cast<int>(std::max<std::int64_t>(1, (w * box.height + h / 2) / h)), box.height};
}

PictureReading PlanReading(PixelSize picture, PixelSize box, bool eighthPossible) {
  const std::int64_t pixels = std::int64_t{picture.width} * picture.height;
  const PixelSize fitted = FitWithin(picture, box);
  const bool eighthLosesNothing = 8 * std::int64_t{fitted.width} <= picture.width &&
                                  8 * std::int64_t{fitted.height} <= picture.height;
  if (eighthPossible && (eighthLosesNothing || pixels > kLargestWholeJpeg)) {
    const std::int64_t eighth =
        ((std::int64_t{picture.width} + 7) / 8) * ((std::int64_t{picture.height} + 7) / 8);
    return eighth <= kLargestEighth ? PictureReading::Eighth : PictureReading::TooLarge;
  }
  return pixels <= kLargestWholePicture ? PictureReading::Whole : PictureReading::TooLarge;
}

}  // namespace zorvik
