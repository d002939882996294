// Any bytes as the files the authors' tool reads from a disc (the cover, autorun.inf, the
// settings, a movie's header) and as xorriso's listing: nothing crashes, a picture's size is always
// usable, and the check runs to its end.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "author/autorun_inf.h"
#include "author/disc_check.h"
#include "author/iso_image.h"
#include "author/picture_header.h"
#include "author/text_fit.h"
#include "author/video_header.h"
#include "pictures/picture_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zorvik::author;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const PictureHeader h = ReadPictureHeader(bytes);
  if (h.ok && !zorvik::ReadableSize({h.width, h.height})) std::abort();
  ParseAutorun(bytes);
  ParseListing(bytes);
  if (const std::optional<long long> seconds = VideoSeconds(bytes); seconds && *seconds < 0)
    std::abort();
  WrapText(bytes, 12, 167);
  Undrawable(bytes);

  MemoryDisc disc;
  disc.Add("Zorvik.exe", "MZ").Add("film.avi", bytes).Add("autorun.inf", bytes);
  disc.Add("More\\cover.jpg", bytes).Add("More\\Settings.sav", bytes);
  CheckDisc(disc, ViewerPc{});
  return 0;
}
