// The eighth-size JPEG reader against files of solid blocks (tests/unit/data/make-jpegs), whose
// eighth is known: each 8x8 block's mean is its colour.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "pictures/jpeg_eighth.h"

namespace zorvik {
namespace {

std::string DataFile(const std::string& name) {
  std::ifstream in(std::string(ZORVIK_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The colour of block (bx, by) as make-jpegs paints it.
std::array<int, 3> BlockColour(int bx, int by) {
  return {32 + (37 * bx + 91 * by) % 192, 32 + (173 * bx + 29 * by + 64) % 192,
          32 + (61 * bx * by + 97) % 192};
}

struct Read {
  std::optional<JpegFrame> frame;
  std::optional<EighthPicture> eighth;
  std::string error;
};

Read ReadAll(const std::string& bytes, std::int64_t largest = kLargestEighth) {
  MemorySource source(bytes);
  JpegEighth jpeg(source);
  Read r;
  r.frame = jpeg.ReadFrame();
  if (r.frame && r.frame->eighthPossible) r.eighth = jpeg.ReadEighth(largest, r.error);
  return r;
}

// Pixels as hex digits, eight each.
std::string Digits(const std::vector<std::uint32_t>& pixels, size_t from = 0,
                   size_t count = 1u << 30) {
  std::string out;
  for (size_t i = from; i < std::min(pixels.size(), from + count); ++i) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", pixels[i]);
    out += digits;
  }
  return out;
}

TEST(JpegEighth, EachPixelIsTheMeanOfItsBlockInEveryKindOfFile) {
  // Each line: a file, the size of its solid blocks (16 where colour is subsampled), 1 for grey,
  // how far a colour may be from its block's, and its pixels exactly as they were rounded when
  // the tests were written.
  std::ifstream lines(std::string(ZORVIK_TEST_DATA) + "/jpeg-eighths.txt");
  struct {
    std::string file, pixels;
    int blockPixels = 0, gray = 0, tolerance = 0;
  } c;
  int files = 0;
  for (; lines >> c.file >> c.blockPixels >> c.gray >> c.tolerance >> c.pixels; ++files) {
    SCOPED_TRACE(c.file);
    const Read r = ReadAll(DataFile(c.file));
    ASSERT_TRUE(r.frame && r.frame->eighthPossible);
    EXPECT_EQ(r.frame->size, (PixelSize{61, 37}));
    ASSERT_TRUE(r.eighth) << r.error;
    ASSERT_EQ(r.eighth->size, (PixelSize{8, 5}));
    int worst = 0;
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 8; ++x) {
        const int scale = c.blockPixels / 8;
        std::array<int, 3> want = BlockColour(x / scale, y / scale);
        if (c.gray) {
          const int luma = (299 * want[0] + 587 * want[1] + 114 * want[2] + 500) / 1000;
          want = {luma, luma, luma};
        }
        const std::uint32_t p = r.eighth->pixels[static_cast<size_t>(y) * 8 + x];
        const std::array<int, 3> got = {int(p >> 16) & 255, int(p >> 8) & 255, int(p) & 255};
        for (int i = 0; i < 3; ++i)
          worst = std::max(worst, std::abs(got[i] - want[i]));
      }
    }
    EXPECT_LE(worst, c.tolerance);
    EXPECT_EQ(Digits(r.eighth->pixels), c.pixels);
  }
  EXPECT_EQ(files, 11);
}

// An edit of a sample file as tests/unit/data/jpeg-edits.txt gives it: a place, which is ^ (the
// start), $ (the end) or the n-th marker (FFC4#2) with an offset (+4), then =HEX to overwrite
// there, <HEX to insert, ~N to erase N bytes or ~* to erase the rest.
std::string Hex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

void Edit(std::string& bytes, const std::string& edit) {
  static const std::regex form(R"((\^|\$|FF..)(?:#(\d+))?([+-]\d+)?([=<~])(.*))");
  std::smatch m;
  ASSERT_TRUE(std::regex_match(edit, m, form)) << edit;
  size_t at = m[1] == "$" ? bytes.size() : 0;
  if (m[1].length() == 4) {
    at = bytes.find(Hex(m[1]));
    for (int n = m[2].matched ? std::stoi(m[2]) : 1; n > 1 && at != std::string::npos; --n)
      at = bytes.find(Hex(m[1]), at + 1);
    ASSERT_NE(at, std::string::npos) << edit;
  }
  at += m[3].matched ? std::stoi(m[3]) : 0;
  const std::string what = m[5];
  if (m[4] == "=") bytes.replace(at, what.size() / 2, Hex(what));
  if (m[4] == "<") bytes.insert(at, Hex(what));
  if (m[4] == "~") bytes.erase(at, what == "*" ? std::string::npos : std::stoul(what));
}

// What a reading gives, against the unedited file's eighth: "none" without a frame, the frame's
// size, then "whole" for a kind the eighth isn't read from, the error, or which pixels differ
// ("same", or runs of them, "grey" or "changed").
std::string Outcome(const Read& r, const EighthPicture& plain) {
  if (!r.frame) return "none";
  std::string out =
      std::to_string(r.frame->size.width) + "x" + std::to_string(r.frame->size.height);
  if (!r.frame->eighthPossible) return out + " whole";
  if (!r.eighth) return out + " " + r.error;
  if (r.eighth->size != plain.size) {
    return out + " eighth " + std::to_string(r.eighth->size.width) + "x" +
           std::to_string(r.eighth->size.height);
  }
  const auto& got = r.eighth->pixels;
  const auto kind = [&](size_t i) {
    return got[i] == plain.pixels[i] ? 0 : got[i] == 0xFF808080u ? 1 : 2;
  };
  std::string runs;
  for (size_t i = 0, end = 0; i < got.size(); i = end) {
    for (end = i + 1; end < got.size() && kind(end) == kind(i); ++end) {
    }
    if (kind(i)) {
      runs += (kind(i) == 1 ? " grey " : " changed ") + std::to_string(i) + "-" +
              std::to_string(end - 1);
      if (kind(i) == 2) runs += " from " + Digits(got, i, 1);
    }
  }
  return out + (runs.empty() ? " same" : runs);
}

TEST(JpegEighth, EditedFilesReadAsTheirLinesSay) {
  std::ifstream lines(std::string(ZORVIK_TEST_DATA) + "/jpeg-edits.txt");
  int cases = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    SCOPED_TRACE(line);
    std::istringstream words(line.substr(0, line.find(" #")));
    std::string file, word, expected;
    words >> file;
    const std::string original = file == "-" ? "" : DataFile(file);
    std::string bytes = original;
    while (words >> word && word != "=>")
      Edit(bytes, word);
    std::getline(words >> std::ws, expected);
    expected.erase(expected.find_last_not_of(' ') + 1);
    Read plain = ReadAll(original);
    if (!plain.eighth) plain = ReadAll(DataFile("blocks-444.jpg"));
    EXPECT_EQ(Outcome(ReadAll(bytes), *plain.eighth), expected);
    ++cases;
  }
  EXPECT_GT(cases, 40);
}

TEST(JpegEighth, AnEighthLargerThanAllowedIsRefused) {
  EXPECT_TRUE(ReadAll(DataFile("blocks-444.jpg"), 40).eighth);
  const Read r = ReadAll(DataFile("blocks-444.jpg"), 39);
  EXPECT_FALSE(r.eighth);
  EXPECT_EQ(r.error, "it is too large to be shown.");
}

}  // namespace
}  // namespace zorvik
