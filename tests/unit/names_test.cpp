// Names compared as Windows compares them, and the Greek code page of the settings file and the
// player's registry values, checked against the code page's chart and the alphabets.
#include <gtest/gtest.h>

#include <string>

#include "author/names.h"
#include "core/text_util.h"
#include "support/data_file.h"

namespace zorvik {
namespace {

std::string Letter(const std::u32string& letters, size_t i) {
  return CodePointsToUtf8(letters.substr(i, 1));
}

// Each capital against its small letter (the same), and against the next small letter (not).
void ExpectCasesPair(const std::string& capitals, const std::string& smalls, bool ascii) {
  const std::u32string big = Utf8ToCodePoints(capitals), small = Utf8ToCodePoints(smalls);
  ASSERT_EQ(big.size(), small.size());
  for (size_t i = 0; i < big.size(); ++i) {
    const std::string a = Letter(big, i), b = Letter(small, i);
    const std::string next = Letter(small, (i + 1) % small.size());
    EXPECT_TRUE(author::SameName("x" + a + "y", "X" + b + "Y")) << a << b;
    EXPECT_TRUE(author::SameName(b, a)) << a << b;
    EXPECT_FALSE(author::SameName(a, next)) << a << next;
    if (!ascii) continue;
    EXPECT_TRUE(EqualsIgnoreCase("x" + a + "y", "X" + b + "Y")) << a << b;
    EXPECT_TRUE(EqualsIgnoreCase(b, a)) << a << b;
    EXPECT_FALSE(EqualsIgnoreCase(a, next)) << a << next;
  }
}

TEST(Names, EveryLetterIsItsOtherCaseAndNoOtherLetter) {
  ExpectCasesPair("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", true);
  ExpectCasesPair("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ", "àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", false);
  EXPECT_TRUE(author::SameName("ΚΟΣ", "κος") && author::SameName("κοσ", "κος"));
  ExpectCasesPair("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ",
                  "абвгдежзийклмнопрстуфхцчшщъыьэюяѐёђѓєѕіїјљњћќѝўџ", false);
  // What stands beside the letters in the charts has no other case.
  for (const auto& [a, b] : {std::pair{"@", "`"}, {"[", "{"}, {"×", "÷"}, {"ΐ", "ΰ"}, {"Ͱ", "ͱ"}}) {
    EXPECT_FALSE(author::SameName(a, b)) << a << b;
    EXPECT_FALSE(EqualsIgnoreCase(a, b)) << a << b;
  }
  EXPECT_FALSE(EqualsIgnoreCase("ab", "abc") || author::SameName("ab", "abc"));
}

// Windows-1253: the Greek capitals, then their small letters in the same order, in its bytes.
constexpr char kChartCapitals[] =
    "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD3\xD4\xD5\xD6\xD7\xD8"
    "\xD9\xDA\xDB\xA2\xB8\xB9\xBA\xBC\xBE\xBF";
constexpr char kChartSmalls[] =
    "\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF3\xF4\xF5\xF6\xF7\xF8"
    "\xF9\xFA\xFB\xDC\xDD\xDE\xDF\xFC\xFD\xFE";

// Bytes 0x80 to 0xFF as the code page's chart shows them, 16 a line, an undefined byte as a
// replacement character; each defined one is written back as itself.
TEST(CodePage, TheHighBytesReadAsTheChartShowsThem) {
  std::string high;
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string byte(1, static_cast<char>(b)), text = Cp1253ToUtf8(byte);
    high += byte + (b % 16 == 15 ? "\n" : "");
    EXPECT_TRUE(text == "\uFFFD" || Utf8ToCp1253(text) == byte) << b;
  }
  EXPECT_EQ(Cp1253ToUtf8(high), test::DataFile("cp1253-high.txt"));
  for (const char* foreign : {"\u0080", "Ж", "\uFFFD", "é"})
    EXPECT_FALSE(Utf8ToCp1253(foreign)) << foreign;
  // The Greek letters as the settings file holds them name the same files in either case.
  ExpectCasesPair(Cp1253ToUtf8(kChartCapitals), Cp1253ToUtf8(kChartSmalls), false);
}

TEST(CodePage, EachLengthOfUtf8EndsWhereTheNextBegins) {
  for (const auto& [cp, bytes] : {std::pair{U'\x7F', 1u},
                                  {U'\x80', 2u},
                                  {U'\x7FF', 2u},
                                  {U'\x800', 3u},
                                  {U'\xD7FF', 3u},
                                  {U'\xE000', 3u},
                                  {U'\xFFFF', 3u},
                                  {U'\x10000', 4u},
                                  {U'\x10FFFF', 4u}}) {
    const std::string utf8 = CodePointsToUtf8(std::u32string(1, cp));
    EXPECT_EQ(utf8.size(), bytes) << int(cp);
    EXPECT_EQ(Utf8ToCodePoints(utf8), std::u32string(1, cp)) << int(cp);
    EXPECT_EQ(IsMultiByteUtf8(utf8), bytes > 1) << int(cp);
  }
  EXPECT_FALSE(IsMultiByteUtf8("α\xC1"));
  // What no UTF-8 can hold, a lone surrogate or a value past the last character, is written as
  // the replacement character rather than as bytes no reader takes.
  for (const char32_t none : {U'\xD800', U'\xDFFF', char32_t{0x110000}})
    EXPECT_EQ(CodePointsToUtf8(std::u32string(1, none)), "\uFFFD") << int(none);
}

}  // namespace
}  // namespace zorvik
