// Pictures as the views draw them: 32-bit top-down DIB sections with premultiplied alpha. A
// decoded picture is shared as its HBITMAP, which goes when the last holder lets it go.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

struct Pixels {
  const std::uint32_t* data = nullptr;
  int width = 0;
  int height = 0;
  explicit operator bool() const { return data != nullptr; }
};

// A 32-bit top-down DIB section; null handle when it can't be made.
struct Dib {
  HBITMAP handle = nullptr;
  std::uint32_t* bits = nullptr;
};
Dib CreateDib(int width, int height);

// Any bitmap file, or whatever OleLoadPicture reads (JPEG, GIF, icons, metafiles). On failure
// gives null and says why.
std::shared_ptr<const void> DecodePicture(std::string_view bytes, int& width, int& height,
                                          std::string& error);

// The pixels of a decoded picture.
Pixels PixelsOf(const void* image);

// The pictures of the model: those loaded through the platform carry their image, the program's
// own are RCDATA resources named like the picture, decoded once.
class PictureStore {
 public:
  Pixels Get(const Picture& picture);

 private:
  std::map<std::string, std::shared_ptr<const void>> resources_;
};

}  // namespace zorvik::win32
