// The eighth-size JPEG reader against files of solid blocks (tests/unit/data/make-jpegs), whose
// eighth is known: each 8x8 block's mean is its colour.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

std::array<int, 3> Channels(std::uint32_t p) {
  return {int(p >> 16) & 255, int(p >> 8) & 255, int(p) & 255};
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

TEST(JpegEighth, EachPixelIsTheMeanOfItsBlockInEveryKindOfFile) {
  struct Case {
    const char* file;
    int blockPixels;  // the size of the solid blocks: 16 where colour is subsampled
    bool gray;
    int tolerance;
  };
  for (const Case& c :
       {Case{"blocks-444.jpg", 8, false, 3}, Case{"blocks-420.jpg", 16, false, 3},
        Case{"blocks-420-progressive.jpg", 16, false, 3},
        Case{"blocks-422-restarts.jpg", 16, false, 3},
        Case{"blocks-420-separate-scans.jpg", 16, false, 3},
        Case{"blocks-444-sequential-scans.jpg", 8, false, 3}, Case{"blocks-rgb.jpg", 8, false, 2},
        Case{"blocks-gray.jpg", 8, true, 2}, Case{"blocks-cmyk.jpg", 8, false, 6},
        Case{"blocks-texture.jpg", 8, false, 8}, Case{"blocks-411.jpg", 32, false, 3}}) {
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
        EXPECT_EQ(p >> 24, 0xFFu);
        const std::array<int, 3> got = Channels(p);
        for (int i = 0; i < 3; ++i)
          worst = std::max(worst, std::abs(got[i] - want[i]));
      }
    }
    EXPECT_LE(worst, c.tolerance);
  }
}

TEST(JpegEighth, ArithmeticCodingIsLeftToTheSystem) {
  const Read r = ReadAll(DataFile("blocks-arithmetic.jpg"));
  ASSERT_TRUE(r.frame);
  EXPECT_EQ(r.frame->size, (PixelSize{61, 37}));
  EXPECT_FALSE(r.frame->eighthPossible);
}

TEST(JpegEighth, DataThatEndsEarlyLeavesTheRestGrey) {
  const std::string whole = DataFile("blocks-444.jpg");
  const size_t data = whole.find("\xFF\xDA") + 14;
  const Read r = ReadAll(whole.substr(0, data + (whole.size() - data) / 2));
  ASSERT_TRUE(r.eighth) << r.error;
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(Channels(r.eighth->pixels[0])[i], BlockColour(0, 0)[i], 3);
  EXPECT_EQ(r.eighth->pixels.back(), 0xFF808080u);
}

TEST(JpegEighth, WhatIsNoJpegOrDamagedIsRefused) {
  const std::string good = DataFile("blocks-420.jpg");
  const size_t sof = good.find("\xFF\xC0");
  const size_t dht = good.find("\xFF\xC4");
  const size_t sos = good.find("\xFF\xDA");
  const size_t dqt = good.find("\xFF\xDB");
  for (size_t at : {sof, dht, sos, dqt})
    ASSERT_NE(at, std::string::npos);
  std::string zeroWidth = good, overfullTable = good, badScan = good, twelveBit = good;
  std::string lossless = good, shortHuffman = good, acFirst = good;
  std::string noDcTable = good, noAcTable = good;
  noDcTable[sos + 6] = static_cast<char>(0x30 | (good[sos + 6] & 0x0F));  // tables never given
  noAcTable[sos + 6] = static_cast<char>((good[sos + 6] & 0xF0) | 0x03);
  zeroWidth[sof + 7] = zeroWidth[sof + 8] = 0;
  overfullTable[dht + 5] = 3;  // three codes of one bit
  badScan[sos + 5] = 9;        // a component the frame hasn't got
  twelveBit[sof + 4] = 12;
  lossless[sof + 1] = '\xCF';  // arithmetic, hierarchical, lossless
  shortHuffman[dht + 3] = 18;  // room for the counts and one code of the 16 counted
  acFirst[sos + 11] = 1;       // a sequential scan starting past the DC coefficient
  std::string separate = DataFile("blocks-420-separate-scans.jpg");
  separate[separate.find("\xFF\xDA") + 5] = 9;
  std::string shortTable = good;
  shortTable[dqt + 3] = 40;
  const struct {
    const char* name;
    std::string bytes;
    bool frame;
    bool eighth;
  } cases[] = {
      {"empty", "", false, false},
      {"a text", "not a picture at all", false, false},
      {"start of image only", "\xFF\xD8", false, false},
      {"no frame before the scan", good.substr(0, sof) + good.substr(sos), false, false},
      {"zero width", zeroWidth, false, false},
      {"overfull Huffman table", overfullTable, true, false},
      {"12-bit samples", twelveBit, true, false},
      {"a scan of a missing component", badScan, true, false},
      {"frame without scans", good.substr(0, sos) + "\xFF\xD9", true, false},
      {"an empty scan header",
       good.substr(0, sos) + std::string("\xFF\xDA\0\x02", 4) + good.substr(sos), true, false},
      {"lossless and arithmetic", lossless, true, false},
      {"a segment one byte long",
       good.substr(0, 2) + std::string("\xFF\xE1\x00\x01", 4) + good.substr(2), false, false},
      {"a short quantisation table", shortTable, false, false},
      {"a short Huffman table", shortHuffman, true, false},
      {"a sequential scan without DC", acFirst, true, false},
      {"a first scan of a missing component", separate, true, false},
      {"a scan whose DC table was never given", noDcTable, true, false},
      {"a scan whose AC table was never given", noAcTable, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Read r = ReadAll(c.bytes);
    EXPECT_EQ(r.frame.has_value(), c.frame);
    EXPECT_EQ(r.eighth.has_value(), c.eighth);
    if (r.frame && r.frame->eighthPossible) {
      EXPECT_EQ(r.error, "the picture is damaged.");
    }
  }
}

// Replaces `length` bytes at `at`.
std::string Spliced(std::string s, size_t at, size_t length, const std::string& with) {
  return s.replace(at, length, with);
}

TEST(JpegEighth, UnusualButSoundFilesReadAsTheirPlainForms) {
  const std::string good = DataFile("blocks-420.jpg");
  const Read plain = ReadAll(good);
  ASSERT_TRUE(plain.eighth) << plain.error;
  // Quantisation tables of 16-bit entries.
  std::string wide = good;
  for (size_t at = wide.find("\xFF\xDB"); at != std::string::npos;
       at = wide.find("\xFF\xDB", at + 4)) {
    std::string table("\xFF\xDB\x00\x83", 4);
    table += static_cast<char>(0x10 | (wide[at + 4] & 15));
    for (int i = 0; i < 64; ++i) {
      table += '\0';
      table += wide[at + 5 + i];
    }
    wide = Spliced(wide, at, 69, table);
  }
  // The chroma's Huffman tables numbered 3 instead of 1.
  std::string renumbered = good;
  for (size_t at = renumbered.find("\xFF\xC4"); at != std::string::npos;
       at = renumbered.find("\xFF\xC4", at + 4)) {
    if ((renumbered[at + 4] & 15) == 1)
      renumbered[at + 4] = static_cast<char>(renumbered[at + 4] | 3);
  }
  const size_t sos = renumbered.find("\xFF\xDA");
  renumbered[sos + 8] = renumbered[sos + 10] = '\x33';
  const std::string notAdobe(
      "\xFF\xEE\x00\x0E"
      "Adobf\x00\x64\x00\x00\x00\x00\x00",
      16);
  // Tables at their limits that the picture doesn't use: quantisation table 3, a Huffman table
  // of no codes, and one of 256 (255 of eight bits and one of nine).
  std::string limits = std::string("\xFF\xDB\x00\x43\x03", 5) + std::string(64, '\x01');
  limits += std::string("\xFF\xC4\x00\x13\x13", 5) + std::string(16, '\0');
  limits += std::string("\xFF\xC4\x01\x13\x02", 5) + std::string(7, '\0') + "\xFF\x01";
  limits += std::string(7, '\0');
  for (int v = 0; v < 256; ++v)
    limits += static_cast<char>(v);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"tables at their limits", good.substr(0, 2) + limits + good.substr(2)},
      {"bytes between segments",
       good.substr(0, 2) + std::string("\0\x12\xFF\0\xFF\xFF", 6) + good.substr(2)},
      {"an APP14 that isn't Adobe's", good.substr(0, 2) + notAdobe + good.substr(2)},
      {"16-bit quantisation tables", wide},
      {"Huffman tables 2 and 3", renumbered},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Read r = ReadAll(c.bytes);
    ASSERT_TRUE(r.eighth) << r.error;
    EXPECT_EQ(r.eighth->pixels, plain.eighth->pixels);
  }
}

TEST(JpegEighth, AnEighthLargerThanAllowedIsRefused) {
  EXPECT_TRUE(ReadAll(DataFile("blocks-444.jpg"), 40).eighth);
  const Read r = ReadAll(DataFile("blocks-444.jpg"), 39);
  EXPECT_FALSE(r.eighth);
  EXPECT_EQ(r.error, "it is too large to be shown.");
}

}  // namespace
}  // namespace zorvik
