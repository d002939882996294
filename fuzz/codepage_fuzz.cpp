// Any bytes through the code-page conversions, both ways: UTF-8 decoding and encoding agree,
// Windows-1253 text comes back byte for byte through UTF-8, and UTF-8 that Windows-1253 holds
// comes back through it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zorvik;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // As UTF-8: what decodes encodes back to valid UTF-8 that decodes the same.
  const std::u32string points = Utf8ToCodePoints(bytes);
  const std::string utf8 = CodePointsToUtf8(points);
  if (Utf8ToCodePoints(utf8) != points) std::abort();
  bool ascii = true;
  for (char c : utf8)
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii && !IsMultiByteUtf8(utf8)) std::abort();
  if (IsMultiByteUtf8(bytes) && utf8 != bytes) std::abort();

  // As Windows-1253: every byte the code page defines comes back; an undefined one can't.
  const std::string greek = Cp1253ToUtf8(bytes);
  const std::optional<std::string> back = Utf8ToCp1253(greek);
  const bool undefined = greek.find("\xEF\xBF\xBD") != std::string::npos;
  if (undefined ? back.has_value() : back != bytes) std::abort();

  // UTF-8 that the code page holds goes there and back unchanged.
  if (const std::optional<std::string> encoded = Utf8ToCp1253(utf8)) {
    if (Cp1253ToUtf8(*encoded) != utf8) std::abort();
  }
  return 0;
}
