// The pixel size of a bitmap or JPEG file, read from its header alone. Bytes from the disc are
// outside input: every read is bounds-checked and nothing is decoded. A size the launcher
// doesn't read (see ReadableSize) is refused here too.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::author {

struct PictureHeader {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::string error;  // why the picture can't be shown, when not ok
};

PictureHeader ReadPictureHeader(std::string_view bytes);

}  // namespace zorvik::author
