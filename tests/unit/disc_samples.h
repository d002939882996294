// Discs for the tests of the authors' tool: settings from NAME=VALUE arguments, and small
// pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "author/settings_fields.h"

namespace zorvik::test {

// Whether `text` holds `part`; a failure shows the whole text.
inline ::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

// The factory settings with these NAME=VALUE arguments applied.
inline SettingsRecord Settings(const std::vector<std::string>& arguments = {}) {
  const author::SetResult r = author::ApplySettings(author::FactoryRecord(), arguments);
  EXPECT_TRUE(r.record.has_value()) << r.error;
  return r.record.value_or(SettingsRecord{});
}

// A baseline JPEG's first bytes: enough for its size to be read.
inline std::string JpegOfSize(int width, int height, unsigned char frame = 0xC0) {
  std::string s = "\xFF\xD8";
  s += std::string("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
  s += std::string("\xFF") + static_cast<char>(frame);
  s += std::string("\x00\x11\x08", 3);
  s += static_cast<char>(height >> 8);
  s += static_cast<char>(height & 0xFF);
  s += static_cast<char>(width >> 8);
  s += static_cast<char>(width & 0xFF);
  s += std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
  return s + "\xFF\xD9";
}

// A whole 24-bit bitmap of this size.
inline std::string BitmapOfSize(int width, int height) {
  constexpr int infoSize = 40;
  const auto le = [](std::uint32_t v, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
      out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
  };
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 24 + 31) / 32 * 4;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = 14 + static_cast<std::uint32_t>(infoSize);
  std::string s = "BM" + le(offset + pixels, 4) + le(0, 4) + le(offset, 4);
  s += le(static_cast<std::uint32_t>(infoSize), 4) + le(static_cast<std::uint32_t>(width), 4) +
       le(static_cast<std::uint32_t>(height), 4) + le(1, 2) + le(24, 2) + le(0, 4) + le(pixels, 4);
  s += std::string(static_cast<size_t>(infoSize) - 24, '\0');
  return s + std::string(pixels, '\x7F');
}

}  // namespace zorvik::test
