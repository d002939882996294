// Decoding pictures and blending them: what the main window's painter builds on.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win32/form_painter.h"
#include "win32/pictures.h"
#include "win32/tests/check.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

template <class T>
void Put(std::string& out, T value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// A .bmp file; `rows` are the pixel rows as stored, padding included.
std::string Bmp(int width, int height, int bits, const std::string& rows,
                const std::vector<std::uint32_t>& palette = {}) {
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size()) * 4;
  std::string out = "BM";
  Put<std::uint32_t>(out, offset + static_cast<std::uint32_t>(rows.size()));
  Put<std::uint32_t>(out, 0);
  Put<std::uint32_t>(out, offset);
  Put<std::uint32_t>(out, 40);
  Put<std::int32_t>(out, width);
  Put<std::int32_t>(out, height);
  Put<std::uint16_t>(out, 1);
  Put<std::uint16_t>(out, static_cast<std::uint16_t>(bits));
  for (int i = 0; i < 4; ++i) {
    Put<std::uint32_t>(out, 0);  // BI_RGB, sizes
  }
  Put<std::uint32_t>(out, static_cast<std::uint32_t>(palette.size()));
  Put<std::uint32_t>(out, 0);
  for (std::uint32_t c : palette) {
    Put(out, c);
  }
  return out + rows;
}

// A 32-bit .bmp file with a version 4 header whose masks include alpha.
std::string BmpWithAlpha(int width, int height, const std::string& rows) {
  const std::uint32_t offset = 14 + 108;
  std::string out = "BM";
  Put<std::uint32_t>(out, offset + static_cast<std::uint32_t>(rows.size()));
  Put<std::uint32_t>(out, 0);
  Put<std::uint32_t>(out, offset);
  Put<std::uint32_t>(out, 108);
  Put<std::int32_t>(out, width);
  Put<std::int32_t>(out, height);
  Put<std::uint16_t>(out, 1);
  Put<std::uint16_t>(out, 32);
  Put<std::uint32_t>(out, 3);  // BI_BITFIELDS
  for (std::uint32_t v : {std::uint32_t(rows.size()), 2835u, 2835u, 0u, 0u, 0x00FF0000u,
                          0x0000FF00u, 0x000000FFu, 0xFF000000u, 0x73524742u}) {
    Put(out, v);
  }
  out.append(48, '\0');  // colour space end points and gamma
  return out + rows;
}

std::vector<std::uint32_t> Decode(const std::string& file, int& width, int& height,
                                  PixelSize box = {}, int dpi = 96) {
  std::string error;
  const DecodedPicture decoded = DecodePicture(file, box, dpi, error);
  const Pixels px = PixelsOf(decoded.image.get());
  if (!px) return {};
  width = px.width;
  height = px.height;
  return std::vector<std::uint32_t>(px.data, px.data + static_cast<size_t>(px.width) * px.height);
}

TEST_CASE("bitmaps decode top row first, opaque unless they carry alpha") {
  // Two by two: red and white on top, blue and green below, in each layout.
  const std::string bottomUp24(
      "\xff\x00\x00\x00\xff\x00\x00\x00"
      "\x00\x00\xff\xff\xff\xff\x00\x00",
      16);
  const std::string topDown24(
      "\x00\x00\xff\xff\xff\xff\x00\x00"
      "\xff\x00\x00\x00\xff\x00\x00\x00",
      16);
  const std::string palette8(
      "\x02\x03\x00\x00"
      "\x00\x01\x00\x00",
      8);
  const std::string alpha32(
      "\x00\x00\xff\x80"
      "\x00\x00\x00\x00"
      "\x00\x00\x00\x00"
      "\xff\xff\xff\xff",
      16);
  const std::string noAlpha32(
      "\x00\x00\xff\x00"
      "\xff\xff\xff\x00"
      "\xff\x00\x00\x00"
      "\x00\xff\x00\x00",
      16);
  const struct {
    const char* name;
    std::string file;
    std::vector<std::uint32_t> expected;
  } cases[] = {
      {"24-bit bottom-up", Bmp(2, 2, 24, bottomUp24), {kRed, kWhite, kBlue, kGreen}},
      {"24-bit top-down", Bmp(2, -2, 24, topDown24), {kRed, kWhite, kBlue, kGreen}},
      {"8-bit palette",
       Bmp(2, 2, 8, palette8, {kRed, kWhite, kBlue, kGreen}),
       {kRed, kWhite, kBlue, kGreen}},
      {"32-bit with an alpha mask is premultiplied",
       BmpWithAlpha(2, 2, alpha32),
       {0x00000000, kWhite, 0x80800000, 0x00000000}},
      {"32-bit without alpha is opaque", Bmp(2, -2, 32, noAlpha32), {kRed, kWhite, kBlue, kGreen}},
  };
  for (const auto& c : cases) {
    int w = 0, h = 0;
    const std::vector<std::uint32_t> px = Decode(c.file, w, h);
    CHECK_EQ_AT(w * 100 + h, 202, c.name);
    CHECK_EQ_AT(px == c.expected, true, c.name);
  }
}

TEST_CASE("damaged pictures fail with a reason") {
  const std::string pixels(16, '\0');
  std::string truncated = Bmp(100, 100, 24, pixels);
  std::string noWidth = Bmp(0, 2, 24, pixels);
  std::string hugeHeader = Bmp(2, 2, 24, pixels);
  hugeHeader[14] = '\x7f';  // a header size past the end of the file
  const struct {
    const char* name;
    std::string file;
  } cases[] = {
      {"empty", ""},
      {"only the signature", "BM"},
      {"bits missing", truncated},
      {"no width", noWidth},
      {"header past the end", hugeHeader},
      {"not a picture", "this is a text file, not a picture"},
  };
  for (const auto& c : cases) {
    std::string error;
    CHECK_EQ_AT(DecodePicture(c.file, {}, 96, error).image == nullptr, true, c.name);
    CHECK_EQ_AT(error.empty(), false, c.name);
  }
}

TEST_CASE("a picture larger than the box shrinks to fit it, with the detail of the screen") {
  // Forty by twenty: the left half red, the right half blue.
  std::string rows;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      rows += x < 20 ? std::string("\x00\x00\xff", 3) : std::string("\xff\x00\x00", 3);
    }
  }
  const std::string file = Bmp(40, 20, 24, rows);
  const struct {
    const char* name;
    PixelSize box;
    int dpi;
    PixelSize shown, pixels;
  } cases[] = {
      {"fits", {40, 40}, 96, {40, 20}, {40, 20}},
      {"no box", {}, 96, {40, 20}, {40, 20}},
      {"wide box", {100, 5}, 96, {10, 5}, {10, 5}},
      {"narrow box", {10, 100}, 96, {10, 5}, {10, 5}},
      {"twice the dots", {10, 10}, 192, {10, 5}, {20, 10}},
      {"fits, many dots", {40, 40}, 192, {40, 20}, {40, 20}},
  };
  for (const auto& c : cases) {
    std::string error;
    const DecodedPicture decoded = DecodePicture(file, c.box, c.dpi, error);
    const Pixels px = PixelsOf(decoded.image.get());
    CHECK_EQ_AT(decoded.shown == c.shown, true, c.name);
    CHECK_EQ_AT(px.width * 1000 + px.height, c.pixels.width * 1000 + c.pixels.height, c.name);
    if (!px) continue;
    const int row = px.height / 2 * px.width;
    CHECK_EQ_AT(px.data[row], kRed, c.name);
    CHECK_EQ_AT(px.data[row + px.width - 1], kBlue, c.name);
  }
}

std::string SourcePath(const std::string& relative) {
  std::string path = ZORVIK_SOURCE_DIR "/" + relative;
  return path.front() == '/' ? "Z:" + path : path;  // a Unix source tree seen from Wine
}

TEST_CASE("a JPEG many times the box is read at an eighth and shrunk, colours kept") {
  // Sixty-one by thirty-seven in solid blocks; the box takes an eighth of it or less.
  Win32Platform p;
  std::string error;
  const Picture small =
      p.LoadPicture(SourcePath("tests/unit/data/blocks-444.jpg"), 7 * 15, 4 * 15, error);
  CHECK_EQ(error, std::string());
  CHECK_EQ(small.width * 1000 + small.height, 7004);
  const Pixels px = PixelsOf(small.native.get());
  CHECK_EQ(px.width * 1000 + px.height, 7004);
  // The first pixel covers most of the first block, (32, 96, 129), and a little of others.
  if (px) {
    const std::uint32_t p0 = px.data[0];
    CHECK(std::abs(int(p0 >> 16 & 255) - 32) < 24 && std::abs(int(p0 >> 8 & 255) - 96) < 24 &&
          std::abs(int(p0 & 255) - 129) < 24);
  }
  const Picture whole =
      p.LoadPicture(SourcePath("tests/unit/data/blocks-444.jpg"), 30 * 15, 30 * 15, error);
  CHECK_EQ(whole.width * 1000 + whole.height, 30018);
}

TEST_CASE("a JPEG from a file loads at its own pixel size") {
  const std::string path = SourcePath("resources/pictures/COVER_DEFAULT.jpg");
  Win32Platform p;
  std::string error;
  const Picture picture = p.LoadPicture(path, 3215, 4630, error);
  CHECK_EQ(error, std::string());
  CHECK_EQ(picture.width * 1000 + picture.height, 215309);
  CHECK(PixelsOf(picture.native.get()).data != nullptr);
  CHECK(p.LoadPicture(path + ".missing", 3215, 4630, error).empty() && !error.empty());
}

struct Canvas {
  int width, height;
  std::vector<std::uint32_t> px;
  Canvas(int w, int h, std::uint32_t fill) : width(w), height(h), px(size_t(w) * h, fill) {}
  void Blend(const std::vector<std::uint32_t>& picture, int pw, int ph, RECT to, RECT clip) {
    BlendPicture(px.data(), width, height, clip, Pixels{picture.data(), pw, ph}, to);
  }
  std::uint32_t At(int x, int y) const { return px[size_t(y) * width + x]; }
};

TEST_CASE("blending at own size copies the picture inside the clip only") {
  Canvas canvas(4, 4, kBlack);
  canvas.Blend({kRed, kGreen, kBlue, kWhite}, 2, 2, RECT{1, 1, 3, 3}, RECT{0, 0, 4, 2});
  CHECK_EQ(canvas.At(1, 1), kRed);
  CHECK_EQ(canvas.At(2, 1), kGreen);
  CHECK_EQ(canvas.At(1, 2), kBlack);  // clipped away
  CHECK_EQ(canvas.At(0, 0), kBlack);
}

TEST_CASE("stretching keeps the end colours and blends between them") {
  Canvas canvas(4, 1, kBlack);
  canvas.Blend({kBlack, kWhite}, 2, 1, RECT{0, 0, 4, 1}, RECT{0, 0, 4, 1});
  CHECK_EQ(canvas.At(0, 0), kBlack);
  CHECK_EQ(canvas.At(3, 0), kWhite);
  const std::uint32_t middle = canvas.At(1, 0) & 0xFF;
  CHECK(middle > 0x20 && middle < 0x80);
}

TEST_CASE("pictures partly outside the target or with alpha blend correctly") {
  Canvas canvas(2, 2, kWhite);
  // Half-transparent black, premultiplied, reaching past every edge of the target.
  canvas.Blend(std::vector<std::uint32_t>(16, 0x80000000), 4, 4, RECT{-1, -1, 3, 3},
               RECT{-5, -5, 5, 5});
  for (std::uint32_t p : canvas.px) {
    CHECK_EQ(p, 0xFF7F7F7Fu);
  }
}

}  // namespace
}  // namespace zorvik::win32
