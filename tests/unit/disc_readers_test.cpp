// What the authors' tool reads from outside: picture headers, autorun.inf, the viewer's
// computer on the command line, xorriso's listing; and the labels it makes.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "author/autorun_inf.h"
#include "author/iso_image.h"
#include "author/json.h"
#include "author/picture_header.h"
#include "author/video_header.h"
#include "author/viewer_pc.h"
#include "unit/disc_samples.h"

namespace zorvik::test {
namespace {

// These bytes with some of them replaced: {offset, byte}.
std::string Patched(std::string bytes, std::initializer_list<std::pair<size_t, char>> changes) {
  for (const auto& [at, byte] : changes)
    bytes[at] = byte;
  return bytes;
}

TEST(PictureHeader, SizesAreReadAndDamageIsRefused) {
  struct Case {
    const char* what;
    std::string bytes;
    int width, height;  // 0: refused
    std::string error;
  };
  const std::string bmp = BitmapOfSize(3, 2), jpeg = JpegOfSize(3, 4);
  // 8 bits a pixel, run-length packed into the 8 bytes the header names.
  const std::string packed =
      Patched(BitmapOfSize(16, 2).substr(0, 54 + 8), {{28, 8}, {30, 1}, {34, 8}, {35, 0}});
  const std::string damaged = "the bitmap is damaged";
  // clang-format off
  const Case cases[] = {
      {"bitmap", BitmapOfSize(214, 308), 214, 308, ""},
      {"top-down bitmap", Patched(bmp, {{22, '\xFE'}, {23, '\xFF'}, {24, '\xFF'}, {25, '\xFF'}}),
       3, 2, ""},
      {"core header", Patched(bmp, {{14, 12}}), 0, 0, damaged},
      {"pixels missing", bmp.substr(0, bmp.size() - 1), 0, 0, damaged},
      {"no planes", Patched(bmp, {{26, 0}}), 0, 0, "no usable size"},
      {"odd colours", Patched(bmp, {{28, 7}}), 0, 0, "unknown number of colours"},
      {"header only", "BM" + std::string(50, '\0'), 0, 0, damaged},
      {"packed bitmap", packed, 16, 2, ""},
      {"packed 4-bit bitmap", Patched(packed, {{28, 4}, {30, 2}}), 16, 2, ""},
      {"markers without a length", "\xFF\xD8\xFF\xD0\xFF\xD7\xFF\x01" + jpeg.substr(2), 3, 4, ""},
      {"baseline JPEG", JpegOfSize(640, 480), 640, 480, ""},
      {"fill bytes", "\xFF\xD8\xFF\xFF" + jpeg.substr(2), 3, 4, ""},
      {"progressive JPEG", JpegOfSize(1, 2, 0xC2), 1, 2, ""},
      {"lossless JPEG", JpegOfSize(1, 2, 0xC3), 0, 0, "a coding Windows can't show"},
      {"uncompressed, its pixels' size not given", Patched(bmp, {{34, 0}}), 3, 2, ""},
      {"packed, its pixels' size not given", Patched(packed, {{34, 0}}), 0, 0, damaged},
      {"pixels past the end", Patched(bmp, {{10, '\xFF'}, {11, '\xFF'}}), 0, 0, damaged},
      {"info header past the end", Patched(bmp, {{14, static_cast<char>(bmp.size() - 13)}}), 0, 0, damaged},
      {"a version 5 header", Patched(BitmapOfSize(40, 1), {{10, '\x8A'}, {14, 124}}) + std::string(84, '\0'), 40, 1, ""},
      {"width past 2^24", Patched(bmp, {{21, 1}}), 0, 0, "no usable size"},
      {"no width", JpegOfSize(0, 4), 0, 0, "no usable size"},
      {"no height", JpegOfSize(3, 0), 0, 0, "no usable size"},
      {"wide", JpegOfSize(65535, 1), 65535, 1, ""},
      {"tall", JpegOfSize(1, 65535), 1, 65535, ""},
      {"too wide", BitmapOfSize(65536, 1), 0, 0, "no usable size"},
      {"too tall", BitmapOfSize(1, 65536), 0, 0, "no usable size"},
      {"arithmetic, hierarchical, lossless", JpegOfSize(1, 2, 0xCF), 0, 0, "a coding Windows can't show"},
      {"tables before the frame", std::string("\xFF\xD8\xFF\xC4\x00\x02\xFF\xCC\x00\x02\xFF\xC8\x00\x02", 14) + jpeg.substr(2), 3, 4, ""},
      {"a frame that ends the file", jpeg.substr(0, jpeg.size() - 2), 3, 4, ""},
      {"a frame of its size alone", std::string("\xFF\xD8\xFF\xC0\x00\x07\x08\x00\x02\x00\x03", 11), 3, 2, ""},
      {"start of image alone", "\xFF\xD8", 0, 0, "damaged"},
      {"end straight after the start", "\xFF\xD8\xFF\xD9", 0, 0, "no size before"},
      {"image before size", std::string("\xFF\xD8\xFF\xDA\x00\x02", 6), 0, 0, "no size before"},
      {"empty segment", std::string("\xFF\xD8\xFF\xE1\x00\x02", 6) + jpeg.substr(2), 3, 4, ""},
      {"frame past the end", std::string("\xFF\xD8\xFF\xC0\x00\x07\x08\x00\x10", 9), 0, 0, "damaged"},
      {"segment past the end", std::string("\xFF\xD8\xFF\xE0\x00\x40", 6), 0, 0, "damaged"},
      {"short frame", std::string("\xFF\xD8\xFF\xC0\x00\x06\x08\x00\x01\x00", 10), 0, 0, "damaged"},
      {"no marker", std::string("\xFF\xD8\x00\xD9", 4), 0, 0, "damaged"},
      {"text", "hello", 0, 0, "not a bitmap or JPEG picture"},
      {"an OS/2 bitmap array", "BA", 0, 0, "not a bitmap or JPEG picture"},
      {"half a JPEG's start", std::string("\0\xD8\xFF\xE0", 4), 0, 0, "not a bitmap or JPEG picture"},
      {"BM alone", "BM", 0, 0, damaged},
      {"nothing", "", 0, 0, "the file is empty"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const author::PictureHeader h = author::ReadPictureHeader(c.bytes);
    EXPECT_EQ(h.ok, c.width > 0) << c.what;
    EXPECT_EQ(h.width, c.width) << c.what;
    EXPECT_EQ(h.height, c.height) << c.what;
    EXPECT_NE(h.error.find(c.error), std::string::npos) << c.what << ": " << h.error;
  }
}

// An AVI's first bytes: the main header `at` bytes in, with its microseconds a frame and frames.
std::string Avi(std::uint32_t micro, std::uint32_t frames, size_t at = 24) {
  std::string b = std::string("RIFF\0\0\0\0AVI LIST\0\0\0\0hdrl", 24).substr(0, at) + "avih....";
  for (const std::uint32_t v : {micro, 0u, 0u, 0u, frames}) {
    for (int i = 0; i < 4; ++i)
      b += static_cast<char>(v >> (8 * i));
  }
  return b + std::string(36, '\0');
}

TEST(VideoHeader, AnAvisLengthIsItsFramesTimesTheirDuration) {
  const std::tuple<const char*, std::string, std::optional<long long>> cases[] = {
      {"25 frames a second", Avi(40000, 2250), 90},
      {"every byte of both fields", Avi(0x04030201, 0x08070605), 9'064'636'861},
      {"the largest fields", Avi(0xFFFFFFFF, 0xFFFFFFFF), 18'446'744'065'119},
      {"a frame a microsecond", Avi(1, 3'000'000), 3},
      {"one frame", Avi(40000, 1), 0},
      {"no frames", Avi(40000, 0), std::nullopt},
      {"no time a frame", Avi(0, 2250), std::nullopt},
      {"the main header first", Avi(40000, 250, 12), 10},
      {"cut after the frames", Avi(40000, 250).substr(0, 24 + 28), 10},
      {"cut within them", Avi(40000, 250).substr(0, 24 + 27), std::nullopt},
      {"no main header", Avi(40000, 250).replace(24, 4, "avix"), std::nullopt},
      {"not RIFF", Avi(40000, 250).replace(0, 4, "RIFX"), std::nullopt},
      {"not AVI", Avi(40000, 250).replace(8, 4, "WAVE"), std::nullopt},
      {"shorter than its type", "RIFF\0\0\0\0AVI", std::nullopt},
  };
  for (const auto& [what, head, seconds] : cases)
    EXPECT_EQ(author::VideoSeconds(head), seconds) << what;
}

TEST(AutorunInf, WrittenFilesReadBackAndOthersAreRead) {
  EXPECT_EQ(author::FormatAutorun("THE FILM"),
            "[autorun]\r\nopen=Zorvik.exe\r\nicon=Zorvik.exe,0\r\nlabel=THE FILM\r\n");
  EXPECT_EQ(author::ParseAutorun(author::FormatAutorun("THE FILM")).encoding, "ASCII");

  const std::string greekBytes = author::FormatAutorun("Ταινία\n");
  EXPECT_TRUE(greekBytes.starts_with("\xFF\xFE[\0a\0"));
  const author::AutorunInf greek = author::ParseAutorun(greekBytes);
  EXPECT_EQ(greek.encoding, "UTF-16");
  EXPECT_EQ(greek.keys.at("label"), "Ταινία");

  EXPECT_EQ(author::ParseAutorun(author::FormatAutorun("Film 🎬")).keys.at("label"), "Film 🎬");

  const author::AutorunInf other = author::ParseAutorun(
      "label=outside\n; made by hand\n[Other]\nopen=x.exe\n[ AutoRun ]\n;open=bad.exe\n"
      " OPEN = \"My Launcher.exe\" /x \nopen=second.exe\nicon=\"disc.ico\" , 2\nLABEL=Film \t\n");
  EXPECT_TRUE(other.hasSection);
  EXPECT_EQ(author::AutorunProgram(other.keys.at("open")), "My Launcher.exe");
  EXPECT_EQ(author::AutorunIconFile(other.keys.at("icon")), "disc.ico");
  EXPECT_EQ(other.keys.at("label"), "Film");
  EXPECT_EQ(author::AutorunProgram("setup.exe /q"), "setup.exe");
  EXPECT_FALSE(author::ParseAutorun("[autorunx]\nopen=a.exe").hasSection);
  EXPECT_EQ(author::ParseAutorun("[autorun]\nlabel=\xD4\xE1\xE9\xED\xDF\xE1").keys.at("label"),
            "Ταινία");
}

TEST(ViewerPc, DescriptionsApplyLeftToRight) {
  std::string error;
  const author::ViewerPc ready = author::ParseViewerPc("", error).value();
  EXPECT_EQ(ready.player, "C:\\Program Files\\BSplayer\\bplay.exe");
  EXPECT_TRUE(ready.xvid && ready.divx && ready.ffdshow);
  EXPECT_EQ(ready.disc, "D:\\");

  const author::ViewerPc pc =
      author::ParseViewerPc(
          "bare,codecs=xvid+ffdshow,player=E:\\bp\\bplay.exe,player-date=2003-08-31,"
          "windows=D:\\WINNT\\,disc=Z:\\discs\\film\\",
          error)
          .value();
  EXPECT_EQ(pc.player, "E:\\bp\\bplay.exe");
  EXPECT_EQ(pc.playerDate, (LocalDate{2003, 8, 31}));
  EXPECT_TRUE(pc.xvid && pc.ffdshow && !pc.divx);
  EXPECT_EQ(pc.windows, "D:\\WINNT");
  EXPECT_EQ(pc.disc, "Z:\\discs\\film");
  EXPECT_EQ(author::ParseViewerPc("disc=e:", error)->disc, "e:\\");
  EXPECT_EQ(author::ParseViewerPc("disc=A:", error)->disc, "A:\\");
  EXPECT_EQ(author::ParseViewerPc("disc=z:", error)->disc, "z:\\");
  EXPECT_EQ(author::ParseViewerPc("disc=E:\\", error)->disc, "E:\\");
  EXPECT_EQ(author::ParseViewerPc("codecs=divx", error)->divx, true);
  // The names as check prints them.
  const author::ViewerPc printed = author::ParseViewerPc("bare,codecs=XviD+FFdshow", error).value();
  EXPECT_TRUE(printed.xvid && printed.ffdshow && !printed.divx) << error;
  const author::ViewerPc none = author::ParseViewerPc("codecs=none", error).value();
  EXPECT_FALSE(none.xvid || none.divx || none.ffdshow);
  EXPECT_FALSE(author::ParseViewerPc("player-date=missing", error)->playerDate);
  EXPECT_EQ(author::ParseViewerPc("bare,ready", error)->player, ready.player);
  EXPECT_EQ(author::DescribeViewerPc(ready),
            "the player C:\\Program Files\\BSplayer\\bplay.exe dated 2005-06-01; codecs: XviD, "
            "DivX, FFdshow; Windows in C:\\WINDOWS; the disc at D:\\");

  struct Refused {
    const char* description;
    const char* says;
  };
  for (const Refused& r :
       {Refused{"fast", "neither a preset"}, Refused{"colour=red", "\"colour\" is not a key"},
        Refused{"player=bplay.exe", "player=bplay.exe: give the player's full Windows path"},
        Refused{"player-date=2004-13-01", "YYYY-MM-DD"},
        Refused{"player-date=04-01-01", "YYYY-MM-DD"},
        Refused{"codecs=xvid+h264", "\"h264\" is not"}, Refused{"windows=WINDOWS", "full path"},
        Refused{"disc=discs", "a drive"}, Refused{"disc=1:", "a drive"},
        Refused{"disc=@:", "a drive"}, Refused{"disc=[:", "a drive"}, Refused{"disc=`:", "a drive"},
        Refused{"disc={:", "a drive"}}) {
    error.clear();
    EXPECT_FALSE(author::ParseViewerPc(r.description, error)) << r.description;
    EXPECT_NE(error.find(r.says), std::string::npos) << r.description << ": " << error;
  }
}

TEST(IsoListing, XorrisosListingIsReadWithItsQuotes) {
  const author::ImageListing l = author::ParseListing(
      "xorriso : NOTE : Loading ISO image tree\n"
      "Volume Id    : THE_FILM\r\n"
      "dr-xr-xr-x    1 0        0               0 Dec  7 02:30 '/'\n"
      "dr-xr-xr-x    1 0        0               0 Dec  7 02:30 '/More'\n"
      "-r-xr-xr-x    1 0        0             535 Dec  7  2019 '/More/Settings.sav'\n"
      "-r-xr-xr-x    1 0        0               3 Dec  7 02:30 '/it'\"'\"'s a film.avi'\n"
      "-r-xr-xr-x    1 0        0              12 Dec  7 02:30 '/Ταινία.avi'\n"
      "-r-xr-xr-x    1 0        0              xx Dec  7 02:30 '/bad size'\n"
      "-r-xr-xr-x+   1 0        0               1 Dec  7 02:30 '/not a mode'\n"
      "-r-xr-xr-x    1 0        0               1 Dec  7 02:30 '/unclosed\n");
  EXPECT_EQ(l.volumeId, "THE_FILM");
  ASSERT_EQ(l.entries.size(), 4u);
  EXPECT_TRUE(l.entries[0].folder);
  EXPECT_EQ(l.entries[1].path, "/More/Settings.sav");
  EXPECT_EQ(l.entries[1].size, 535u);
  EXPECT_EQ(l.entries[2].path, "/it's a film.avi");
  EXPECT_EQ(l.entries[3].path, "/Ταινία.avi");
}

TEST(IsoListing, TheImageIsComparedWithTheFolder) {
  author::MemoryDisc disc;
  disc.Add("film.avi", "1234").Add("More\\Settings.sav", "abc");
  author::DiscPlatform p(disc, author::ViewerPc{});
  author::ImageListing image;
  image.entries = {{"/More", true, 0}, {"/More/Settings.sav", false, 3}, {"/film.avi", false, 4}};
  EXPECT_TRUE(author::CompareWithDisc(image, p).empty());
  image.entries = {{"/More", false, 0}, {"/film.avi", false, 4}, {"/More/Settings.sav", false, 3}};
  EXPECT_EQ(author::CompareWithDisc(image, p),
            std::vector<std::string>{"/More is a folder on the disc but not in the image"});
  image.entries = {{"/More", true, 0}, {"/FILM.AVI", false, 4}, {"/More/Settings.sav", false, 2}};
  EXPECT_EQ(author::CompareWithDisc(image, p),
            (std::vector<std::string>{"/More/Settings.sav has 2 bytes in the image, 3 on the disc",
                                      "/film.avi is missing from the image",
                                      "/FILM.AVI is in the image but not on the disc"}));
}

TEST(Json, TextsAreEscapedAndNestingIndented) {
  author::Json j;
  j.BeginObject().String("text", "a\"b\\c\nd\re\tf\x01").Number("n", -3).Decimal("d", 9.75);
  j.BeginArray("list").String("x").BeginObject().Bool("b", false).EndObject().EndArray();
  j.BeginArray("empty").EndArray().EndObject();
  EXPECT_EQ(j.Text(), R"({
  "text": "a\"b\\c\nd\re\tf\u0001",
  "n": -3,
  "d": 9.75,
  "list": [
    "x",
    {
      "b": false
    }
  ],
  "empty": []
})");
}

TEST(IsoLabel, LabelsComeFromTheTitleAndAreChecked) {
  // Windows shows the Joliet label: 16 UCS-2 characters, cut at a blank where one is near.
  for (const auto& [title, label] : std::vector<std::pair<std::string, std::string>>{
           {"Τα Φαντάσματα", "Τα Φαντάσματα"},
           {"  Film:  Part 2 ", "Film Part 2"},
           {"The Film of the Century", "The Film of the"},
           {std::string(40, 'a'), std::string(16, 'a')},
           {"ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣ", "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠ"},
           {"\xF0\x9F\x8E\xAC", "ZORVIK"},
           {"", "ZORVIK"}}) {
    EXPECT_EQ(author::DefaultLabel(title), label) << title;
  }
  std::string warning;
  EXPECT_FALSE(author::LabelProblem("THE_FILM", warning));
  EXPECT_EQ(warning, "");
  EXPECT_FALSE(author::LabelProblem("Τα Φαντάσματα", warning));
  EXPECT_EQ(warning,
            "Windows shows it from the Joliet names; readers of plain ISO 9660 alone expect only "
            "A-Z, 0-9 and _ in the label");
  warning.clear();
  EXPECT_FALSE(author::LabelProblem(std::string(32, 'A'), warning));
  warning.clear();
  EXPECT_FALSE(author::LabelProblem("ABCDEFGHIJKLMNOPQ", warning));
  EXPECT_EQ(warning, "Windows shows the first 16 characters of the label");
  EXPECT_EQ(author::LabelProblem(std::string(33, 'A'), warning),
            "the label takes 33 bytes; an ISO 9660 volume id holds 32");
  EXPECT_TRUE(author::LabelProblem("", warning));
  EXPECT_EQ(author::LabelProblem("A\tB", warning),
            "the label holds a control character or isn't UTF-8");
}

}  // namespace
}  // namespace zorvik::test
