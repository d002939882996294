// Pictures as the views draw them: 32-bit top-down DIB sections with premultiplied alpha. A
// decoded picture is shared as its HBITMAP, which goes when the last holder lets it go.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "pictures/picture_plan.h"
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

// A decoded picture, and the size it is shown at in pixels of 96 DPI, as the model sizes
// pictures. A picture that keeps its own size has a pixel for each of these, as the program's
// own pictures have; a shrunk one has as many as the screen shows (or fewer, for a huge JPEG
// read at an eighth).
struct DecodedPicture {
  std::shared_ptr<const void> image;
  PixelSize shown;
};

// Decodes with Windows' imaging component (bitmaps, JPEG, and the other kinds it reads). A
// picture larger than `box` (pixels of 96 DPI) is shrunk to fit it, keeping its proportions,
// with the detail of a screen of `dpi`; a picture that fits, or any picture for an empty box,
// keeps its own size. A JPEG too large to decode whole within the launcher's memory is read at
// an eighth of its size. On failure gives no image and says why.
DecodedPicture DecodePicture(std::string_view bytes, PixelSize box, int dpi, std::string& error);
// The same from a file, read a piece at a time; `path` as the file functions take it.
DecodedPicture DecodePictureFile(const std::wstring& path, PixelSize box, int dpi,
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
