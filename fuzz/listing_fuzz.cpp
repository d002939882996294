// Any names in the launcher's folder and in More, with any dates, and the player's file of any
// date: the movie found is a name that is there and that matches a movie pattern, a cover shown
// is one of More's pictures, the old-player warning shows exactly for a file older than
// September 2003, and Play passes the found name on.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/launcher.h"
#include "core/text_util.h"
#include "media/video_launch.h"
#include "support/fake_platform.h"
#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"

namespace {

// A name as a folder listing can give it: valid UTF-8, none of the characters Windows refuses
// in names, at most 255 characters.
std::string ListedName(FuzzedDataProvider& in) {
  std::u32string name;
  for (char32_t c : zorvik::Utf8ToCodePoints(in.ConsumeRandomLengthString(400))) {
    if (c < 32 || std::u32string_view(U"\\/:*?\"<>|").find(c) != std::u32string_view::npos) {
      continue;
    }
    name += c;
  }
  if (name.size() > 255) name.resize(255);
  if (name.empty() || name == U"." || name == U"..") return "a";
  return zorvik::CodePointsToUtf8(name);
}

zorvik::LocalDate Date(FuzzedDataProvider& in) {
  return {in.ConsumeIntegralInRange(1601, 2100), in.ConsumeIntegralInRange(1, 12),
          in.ConsumeIntegralInRange(1, 28)};
}

bool EndsWithIgnoreCase(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && zorvik::EqualsIgnoreCase(s.substr(s.size() - end.size()), end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  zorvik::test::FakePlatform fake;
  const char* player = "C:\\BSplayer\\bplay.exe";
  fake.SetRegString("Apppath", player);
  const zorvik::LocalDate playerDate = Date(in);
  fake.AddFile(player, "", playerDate);
  fake.AddFile("C:\\program files\\ffdshow\\ffdshow.ax");
  std::vector<std::string> names, covers;
  const int count = in.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < count; ++i) {
    const bool more = in.ConsumeBool();
    const std::string name = ListedName(in);
    const bool picture = EndsWithIgnoreCase(name, ".jpg") || EndsWithIgnoreCase(name, ".bmp");
    fake.AddFile((more ? "E:\\More\\" : "E:\\") + name, picture ? "\xFF\xD8" : "", Date(in));
    (more ? covers : names).push_back(name);
  }
  zorvik::Launcher l(fake);
  l.Start();
  if (l.Ending()) std::abort();

  const std::string movie = l.Opt().TxtAviName.Text();
  if (!movie.empty()) {
    bool listed = false;
    for (const std::string& n : names)
      listed = listed || zorvik::EqualsIgnoreCase(n, movie);
    bool pattern = false;
    for (const char* end : {".avi", ".mpg", ".mpeg", ".ogm", ".asf", ".wma"}) {
      pattern = pattern || EndsWithIgnoreCase(movie, end);
    }
    if (!listed || !pattern) std::abort();
  }
  const std::string cover = l.Main().PicLogo2.GetPicture().name;
  if (cover != "COVER_DEFAULT") {
    bool listed = false;
    for (const std::string& c : covers) {
      listed = listed || zorvik::EqualsIgnoreCase("E:\\More\\" + c, cover);
    }
    if (!listed) std::abort();
  }
  const bool old = playerDate.year < 2003 || (playerDate.year == 2003 && playerDate.month < 9);
  size_t warnings = 0;
  for (const zorvik::MessageBoxCall& box : fake.boxes) {
    warnings += box.prompt == l.MsgOldVersion ? 1 : 0;
  }
  if (warnings != (old ? 1u : 0u)) std::abort();

  if (!movie.empty()) {
    l.Dispatch([&] { zorvik::LaunchVideo(l); });
    if (fake.shell.empty() || fake.shell.back().parameters.find("E:\\" + movie + "  ") != 0) {
      std::abort();
    }
  }
  return 0;
}
