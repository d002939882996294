// Fitting pictures to the cover's box, choosing how to read them, and shrinking them.
#include <gtest/gtest.h>

#include "pictures/picture_plan.h"
#include "pictures/shrink.h"

namespace zorvik {
namespace {

TEST(PicturePlan, FitWithinKeepsProportionsAndNeverEnlarges) {
  const struct {
    PixelSize picture, box, expected;
  } cases[] = {
      {{100, 50}, {214, 308}, {100, 50}},      // fits
      {{214, 308}, {214, 308}, {214, 308}},    // just fits
      {{1000, 1000}, {214, 308}, {214, 214}},  // square: the width meets its edge
      {{600, 1800}, {214, 308}, {103, 308}},   // tall: the height does
      {{10000, 3}, {214, 308}, {214, 1}},      // never less than a pixel
      {{3, 10000}, {214, 308}, {1, 308}},
      {{215, 100}, {214, 308}, {214, 100}},  // rounded to the nearest pixel
      {{106, 1000}, {214, 308}, {33, 308}},  // 32.6 pixels wide
      {{500, 300}, {0, 0}, {500, 300}},      // no box
      {{500, 300}, {200, 0}, {500, 300}},
      {{500, 300}, {0, 200}, {500, 300}},
      {{500, 300}, {200, 1}, {2, 1}},  // a box a pixel high
      {{500, 300}, {1, 200}, {1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitWithin(c.picture, c.box), c.expected)
        << c.picture.width << "x" << c.picture.height << " in " << c.box.width << "x"
        << c.box.height;
  }
}

TEST(PicturePlan, BoxesOfTwipsAreRoundedUpToWholePixels) {
  EXPECT_EQ(BoxPixels(3210, 4620), (PixelSize{214, 308}));  // 15 twips a pixel
  EXPECT_EQ(BoxPixels(3211, 4606), (PixelSize{215, 308}));
  EXPECT_EQ(BoxPixels(0, 1), (PixelSize{0, 1}));
}

TEST(PicturePlan, HugeJpegsAreReadAtAnEighthWholeReadingIsBounded) {
  using enum PictureReading;
  const PixelSize cover{214, 308}, large{2000, 2000};  // the banner's box, on two screens
  const struct {
    const char* name;
    PixelSize picture, box;
    bool eighthPossible;
    PictureReading expected;
  } cases[] = {
      {"a cover of the box's size", {214, 308}, cover, true, Whole},
      {"just under eight times", {1711, 2463}, cover, true, Whole},
      {"eight times the box", {1712, 2464}, cover, true, Eighth},
      {"eight times, but not that kind of JPEG", {1712, 2464}, cover, false, Whole},
      {"the huge cover", {10000, 10000}, cover, true, Eighth},
      {"more pixels than a whole JPEG may have", {3000, 3000}, large, true, Eighth},
      {"as many as that", {2000, 4000}, large, true, Whole},
      {"as many as a whole picture may have", {6000, 4000}, large, false, Whole},
      {"a pixel more", {6000, 4000 + 1}, large, false, TooLarge},
      {"an eighth as large as may be", {16000, 16000}, cover, true, Eighth},
      {"an eighth too large", {16000, 16009}, cover, true, TooLarge},
      {"an eighth too large by its last column", {16001, 16000}, cover, true, TooLarge},
      {"a strip an eighth of which would lose its rows", {10000, 3}, cover, true, Whole},
      {"no box, too many pixels", {9000, 9000}, {}, true, Eighth},
      {"no box: its own size is wanted", {2000, 2000}, {}, true, Whole},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlanReading(c.picture, c.box, c.eighthPossible), c.expected) << c.name;
}

std::vector<std::uint32_t> Shrink(PixelSize from, PixelSize to,
                                  const std::vector<std::uint32_t>& pixels) {
  Shrinker s(from, to);
  for (int y = 0; y < from.height; ++y)
    s.AddRow(&pixels[static_cast<size_t>(y) * from.width]);
  return s.Result();
}

TEST(Shrink, EachPixelIsTheMeanOfWhatItCovers) {
  const struct {
    const char* name;
    PixelSize from, to;
    std::vector<std::uint32_t> pixels, expected;
  } cases[] = {
      // clang-format off
      {"pairs", {4, 1}, {2, 1}, {0xFF000000, 0xFF0000FE, 0xFF102030, 0xFF304050}, {0xFF00007F, 0xFF203040}},
      {"thirds", {3, 1}, {2, 1}, {0xFF000000, 0xFF000030, 0xFF000090}, {0xFF000010, 0xFF000070}},
      {"a square into one", {2, 2}, {1, 1}, {0xFF000000, 0xFF0000FF, 0xFF00FF00, 0xFFFF0000}, {0xFF404040}},
      {"rows in thirds", {1, 3}, {1, 2}, {0xFF000000, 0xFF300000, 0xFF900000}, {0xFF100000, 0xFF700000}},
      {"halves round up", {2, 1}, {1, 1}, {0xFF000000, 0xFF000001}, {0xFF000001}},
      {"each row rounds on its own", {1, 5}, {1, 3},
       {0xFF000000, 0xFF000000, 0xFF000000, 0xFF010000, 0xFF000000}, {0xFF000000, 0xFF000000, 0xFF000000}},
      {"premultiplied alpha", {2, 1}, {1, 1}, {0x00000000, 0x80800000}, {0x40400000}},
      {"no larger than the picture", {2, 1}, {5, 3}, {0xFF000001, 0xFF000002}, {0xFF000001, 0xFF000002}},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(Shrink(c.from, c.to, c.pixels), c.expected) << c.name;
}

TEST(Shrink, AUniformPictureStaysUniformAtAnySize) {
  for (const PixelSize from : {PixelSize{1250, 1250}, PixelSize{997, 13}, PixelSize{7, 1000}}) {
    for (const PixelSize to : {PixelSize{214, 214}, PixelSize{1, 1}, PixelSize{5, 9}}) {
      const std::vector<std::uint32_t> pixels(static_cast<size_t>(from.width) * from.height,
                                              0xFF123456);
      Shrinker s(from, to);
      for (int y = 0; y < from.height + 2; ++y) {  // rows past the last are ignored
        s.AddRow(&pixels[static_cast<size_t>(std::min(y, from.height - 1)) * from.width]);
      }
      const PixelSize size = s.Size();
      EXPECT_EQ(size,
                (PixelSize{std::min(to.width, from.width), std::min(to.height, from.height)}));
      EXPECT_EQ(s.Result(), std::vector<std::uint32_t>(
                                static_cast<size_t>(size.width) * size.height, 0xFF123456));
    }
  }
}

}  // namespace
}  // namespace zorvik
