// The authors' check: the launcher's own start-up run on discs made for the purpose, and the
// problems it finds before the disc is burnt.
#include <gtest/gtest.h>

#include "author/autorun_inf.h"
#include "author/check_output.h"
#include "author/disc_check.h"
#include "author/text_fit.h"
#include "unit/disc_samples.h"

namespace zorvik::test {
namespace {

using author::CheckReport;
using author::Severity;

class DiscCheckTest : public ::testing::Test {
 protected:
  author::MemoryDisc disc;
  author::ViewerPc pc;  // the player installed and recent, every codec, the disc at D:

  // A disc that plays: the launcher, autorun.inf, a movie and these settings.
  void Lay(const std::vector<std::string>& settings = {}) {
    disc.Add("Zorvik.exe", "MZ");
    disc.Add("autorun.inf", author::FormatAutorun("FILM"));
    disc.Add("film.avi");
    disc.Add("More\\Settings.sav", FormatSettings(Settings(settings)));
  }
  // Each problem carries the code that --json gives it, for scripts to go by.
  CheckReport Check() {
    const CheckReport r = author::CheckDisc(disc, pc);
    for (const author::Problem& p : r.problems) {
      const bool word =
          p.code.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos;
      EXPECT_TRUE(word && !p.code.empty()) << p.code << ": " << p.text;
    }
    return r;
  }

  // The problems of one severity that mention `text`; "code: text" asks for the code as well.
  static int Found(const CheckReport& r, Severity s, const std::string& text) {
    const size_t colon = text.find(": ");
    const bool coded = colon != std::string::npos &&
                       text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0-9-") == colon;
    const std::string code = coded ? text.substr(0, colon) : "";
    const std::string says = coded ? text.substr(colon + 2) : text;
    int n = 0;
    for (const author::Problem& p : r.problems)
      n += p.severity == s && p.text.find(says) != std::string::npos && (!coded || p.code == code);
    return n;
  }
  // The start of an AVI file that says how long it plays.
  static std::string Avi(int seconds) {
    std::string b("RIFF\xE8\x03\0\0AVI LIST\xC8\0\0\0hdrlavih\x38\0\0\0", 32);
    const auto le32 = [&b](unsigned v) {
      for (int i = 0; i < 4; ++i)
        b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    le32(40000);  // 25 frames a second
    le32(0), le32(0), le32(0);
    le32(static_cast<unsigned>(seconds) * 25);
    return b + std::string(36, '\0');
  }
  static std::string Everything(const CheckReport& r) {
    std::string out;
    for (const author::Problem& p : r.problems)
      out += p.text + "\n";
    return out;
  }
};

TEST_F(DiscCheckTest, TrailersAreChosenFromTheMenuAndPassTheirOwnText) {
  pc.disc = "Z:\\discs\\film";
  disc.Add("trailers\\teaser.avi").Add("trailers\\making of.avi");
  Lay({"trailer1=trailers/teaser.avi", "trailer1.name=Teaser", "trailer3=trailers/making of.avi",
       "trailer3.name=Τα παρασκήνια", "exit-after-launch=off"});
  const CheckReport r = Check();
  EXPECT_EQ(r.play.parameters, "Z:\\discs\\film\\film.avi  -fs -eend");
  EXPECT_FALSE(r.play.closes);
  ASSERT_EQ(r.trailers.size(), 2u);
  EXPECT_EQ(r.trailers[1].what, "Τα παρασκήνια");
  EXPECT_EQ(r.trailers[1].parameters, "Z:\\discs\\film\\trailers\\making of.avi -fs -eend");
  EXPECT_EQ(r.menus.at(0).entries.at(2).caption, "Τα παρασκήνια");
  EXPECT_FALSE(r.ReachesViewer()) << Everything(r);
}

TEST_F(DiscCheckTest, AuthoringProblemsAreFoundWithTheirWeight) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;  // added after the playing disc
    std::vector<std::string> settings;
    Severity severity;
    std::string says;
  };
  constexpr Severity V = Severity::Viewer, W = Severity::Warning;
  const std::string folder(40, 'f');
  const std::string autorun = "autorun.inf", codec = "codecs\\xvid_installer.exe";
  const std::vector<std::string> trailerAt90 = {"trailer1=trailers/t.avi", "trailer1.name=T",
                                                "start=on", "start-seconds=90"};
  SettingsRecord early = Settings({"start=on", "start-seconds=90"});
  early.startPosition = "-5";
  const std::string backwards = FormatSettings(early);
  // clang-format off
  const Case cases[] = {
      {"trailer missing", {}, {"trailer1=trailers/t.avi", "trailer1.name=T"}, V,
       "trailer-missing: trailer1 trailers\\t.avi is not on the disc"},
      {"trailer by case", {{"Trailers\\T.avi", ""}}, {"trailer1=trailers/t.avi", "trailer1.name=T"},
       W, "case-only: matches Trailers\\T.avi only when case is ignored"},
      {"no launcher", {{"Zorvik.exe", "text"}}, {}, V, "Zorvik.exe is not a Windows program"},
      {"no autorun", {{"autorun.inf/x", ""}}, {}, V, "there is no autorun.inf"},
      {"no section", {{autorun, "open=Zorvik.exe\r\n"}}, {}, V, "no [autorun] section"},
      {"autorun starts nothing there", {{autorun, "[AutoRun]\nopen=Start.exe\nicon=Zorvik.exe"}},
       {}, V, "autorun.inf starts Start.exe, which is not on the disc"},
      {"autorun in UTF-8", {{autorun, "\xEF\xBB\xBF[autorun]\r\nopen=Zorvik.exe\r\n"}}, {}, V,
       "autorun.inf is UTF-8 text with a byte-order mark, which Windows can't read: save it as "
       "UTF-16 or plain ASCII"},
      {"no icon", {{autorun, "[autorun]\nopen=zorvik.EXE\n"}}, {}, W, "gives the drive no icon"},
      {"label in a code page", {{autorun, "[autorun]\nopen=Zorvik.exe\nlabel=\xD4\xE1\n"}}, {}, W,
       "autorun.inf's label is in a code page: a viewer whose Windows uses another one sees other "
       "letters (save it as UTF-16)"},
      {"long name", {{std::string(61, 'n') + ".avi", ""}}, {}, V,
       "has 65 characters; a Joliet name holds 64"},
      {"long path", {{folder + "\\" + folder + "\\" + std::string(39, 'x'), ""}}, {}, V,
       "242 of 240 bytes"},
      {"names by case", {{"Film.AVI", ""}}, {}, V, "Film.AVI and film.avi differ only in case"},
      {"colon", {{"a:b.txt", ""}}, {}, V, "holds \":\""},
      {"trailing dot", {{"notes.", ""}}, {}, V, "ends in a dot"},
      {"not Greek", {}, {"title=Ça va"}, W,
       "title holds characters that Windows-1253 can't hold, so the settings file is stored as "
       "UTF-8 (the launcher reads it; older tools show other letters)"},
      {"ampersand", {}, {"trailer1.name=Tom & Jerry"}, W, "trailer1.name holds \"&\""},
      {"program out of reach", {{"extra\\setup.exe", ""}}, {"program1=extra/setup.exe"}, V,
       "program1 can't be reached"},
      {"program missing", {{codec, ""}}, {"program1=extra/setup.exe", "program1.name=Extras"}, V,
       "\"Extras\" in the Programs menu shows \"The file wasn't found!\""},
      {"program's folder by case", {{codec, "MZ"}, {"Extras\\x", ""}}, {"program1=extras/a"}, V,
       "\"Name other codec 1\" in the Programs menu shows \"The file wasn't found!\""},
      {"unreadable settings", {{"More\\Settings.sav", "\"English Language\"\r\n"}}, {}, V,
       "can't be read as a settings file"},
      {"movie by drive letter", {}, {"find=path", "movie=D:\\film.avi"}, W,
       "a viewer whose disc has another drive letter can't play it"},
      {"movie not there", {}, {"find=path", "movie=D:\\other.avi"}, V,
       "the movie D:\\other.avi is not on the disc"},
      {"autorun starts nothing", {{autorun, "[autorun]\r\nicon=Zorvik.exe\r\n"}}, {}, V,
       "autorun.inf names no program to start (open=)"},
      {"autorun starts another", {{"setup.exe", "MZ"}, {autorun, "[autorun]\nopen=setup.exe\n"}},
       {}, W, "autorun.inf starts setup.exe, not the launcher Zorvik.exe"},
      {"icon not there", {{autorun, "[autorun]\nopen=Zorvik.exe\nicon=disc.ico,1\n"}}, {}, W,
       "autorun.inf takes the drive's icon from disc.ico, which is not on the disc"},
      {"player settings not there", {}, {"find=ini", "player-ini=film.ini"}, V,
       "player-ini film.ini is not on the disc"},
      {"installer by case", {{"Codecs\\XviD.exe", "MZ"}}, {"installer.xvid=codecs/xvid.exe"}, W,
       "installer.xvid codecs\\xvid.exe matches Codecs\\XviD.exe only when case is ignored"},
      {"parameters typed", {}, {"parameters=-fs -eend -vol=80"}, W,
       "parameters-typed: Play passes the parameters as typed, [-fs -eend -vol=80]; the options "
       "window builds [  -fs   -eend  ] from its boxes"},
      // What embarrasses a disc: one row for each way.
      {"a second video", {{"extra.mpg", ""}}, {}, V,
       "several-videos: Play plays extra.mpg of the videos beside the launcher, never film.avi"},
      {"the movie named is not found", {{"extra.mpg", ""}}, {"movie=film.avi"}, V,
       "movie-not-meant: Play plays extra.mpg, not the movie film.avi the settings name"},
      {"the movie named among others", {{"zz.avi", ""}}, {"movie=film.avi"}, W,
       "several-videos: never zz.avi"},
      {"start past a trailer", {{"trailers\\t.avi", Avi(60)}}, trailerAt90, V,
       "start-past-trailer: trailers\\t.avi is 60 seconds long, and the launcher starts it at 90 "
       "seconds too"},
      {"start reaching a trailer", {{"trailers\\t.avi", Avi(91)}}, trailerAt90, W,
       "start-reaches-trailers: starts the trailer trailers\\t.avi at 90 seconds too"},
      {"start past the movie", {{"film.avi", Avi(89)}}, {"start=on", "start-seconds=1:30"}, V,
       "start-past-movie: Play starts the movie at 90 seconds, but it is 89 seconds long"},
      {"start beyond reason", {{"More\\Settings.sav", backwards}}, {}, V,
       "start-beyond-reason: Play starts the movie at \"-5\" seconds"},
      {"placeholder name", {{"trailers\\teaser.avi", ""}}, {"trailer3=trailers/teaser.avi"}, V,
       "placeholder-name: the Video File menu shows \"Name Trailer 3\" for trailers\\teaser.avi: give it "
       "a name with zorvik-disc set trailer3.name=..."},
      {"blank name", {{codec, "MZ"}, {"x.exe", "MZ"}}, {"program2=x.exe", "program2.name= "}, V,
       "placeholder-name: the Programs menu shows an entry without a name for x.exe"},
      {"another drive", {}, {"find=path", "movie=E:\\film.avi"}, V,
       "movie-not-on-viewers-drive: Play is given E:\\film.avi, but this viewer's disc is at D:\\"},
      {"a long title", {}, {"title=" + std::string(300, 'x')}, V,
       "title-doesnt-fit: the title doesn't fit its place above the menu, 2 lines of 167 pixels "
       "at 12 point: it takes 1, and a word is wider than a line"},
      {"a title of many words", {}, {"title=The Ghosts of the Mountain and the Sea"}, V,
       "title-doesnt-fit: it takes 3,"},
      {"emoji", {}, {"title=Film 🎬"}, V,
       "undrawable-characters: the title holds 🎬, which the launcher's fonts can't draw"},
      {"a long menu name", {{"trailers\\t.avi", ""}},
       {"trailer1=trailers/t.avi", "trailer1.name=" + std::string(80, 'W')}, V,
       "menu-name-too-long: is wider than a screen of 640 pixels"},
  };
  // clang-format on
  for (const Case& c : cases) {
    disc = author::MemoryDisc();
    Lay(c.settings);
    for (const auto& [path, bytes] : c.files)
      disc.Add(path, bytes);
    const CheckReport r = Check();
    EXPECT_EQ(Found(r, c.severity, c.says), 1) << c.what << ":\n" << Everything(r);
    EXPECT_EQ(r.ReachesViewer(), c.severity == V) << c.what << ":\n" << Everything(r);
  }
  // Near misses: the player's settings on the disc or on the viewer's computer, a start at 0.
  for (const std::vector<std::string>& settings :
       {std::vector<std::string>{"find=ini", "player-ini=film.ini"},
        {"find=ini", "player-ini=C:\\mine.ini"},
        {"start=on", "start-seconds=0"}}) {
    disc = author::MemoryDisc();
    Lay(settings);
    disc.Add("film.ini");
    const CheckReport r = Check();
    EXPECT_FALSE(r.ReachesViewer()) << settings[1] << ":\n" << Everything(r);
  }
}

TEST_F(DiscCheckTest, EachBoxAtStartUpSaysWhetherTheDiscCanAnswerIt) {
  const std::string bsplayer = "DivX players\\BSplayer\\BSplay_installer.exe";
  struct Case {
    std::string pc;
    std::vector<std::string> files;
    std::string says;
  };
  // clang-format off
  const Case cases[] = {
      {"bare", {}, "prompt-without-installer: \"Please install the BSplayer\", but the disc carries "
                   "no BSplayer installer (" + bsplayer + " is not there)"},
      {"bare", {bsplayer}, "install-prompt: \"Please install the BSplayer\": Play stays disabled "
                           "until it is installed from the Programs menu"},
      {"codecs=none", {"codecs\\xvid_installer.exe"}, "install-prompt: Please install the XviD codec"},
      {"codecs=none", {"codecs\\xvid_installer.exe"}, "prompt-without-installer: but the disc carries no DivX codec installer"},
      {"player-date=2003-01-01", {}, "old-player: the box only warns, and Play still starts it"},
      {"player=none", {bsplayer}, "message-box: \"Can't get registry access\" at start-up"},
  };
  // clang-format on
  for (const Case& c : cases) {
    disc = author::MemoryDisc();
    Lay();
    for (const std::string& f : c.files)
      disc.Add(f, "MZ");
    std::string error;
    pc = *author::ParseViewerPc(c.pc, error);
    const CheckReport r = Check();
    EXPECT_EQ(Found(r, Severity::Viewer, c.says), 1) << c.pc << ":\n" << Everything(r);
  }
}

TEST_F(DiscCheckTest, TheCoverIsMeasuredAgainstItsBox) {
  struct Case {
    std::string file, bytes;
    std::string says;  // empty: fits
  };
  const Case cases[] = {
      {"More\\cover.jpg", JpegOfSize(215, 309), ""},
      {"More\\cover.jpg", JpegOfSize(300, 400),
       "the cover is 300 x 400 pixels; its box shows 215 x 309 at 96 dots per inch, so 85 pixels "
       "on the right and 91 at the bottom are cut off"},
      {"More\\cover.bmp", BitmapOfSize(200, 300),
       "so a margin of 15 pixels on the right and 9 at the bottom stays empty"},
      {"More\\cover.jpg", JpegOfSize(200, 309),
       "the cover is 200 x 309 pixels; its box shows 215 x 309 at 96 dots per inch, so a margin of "
       "15 pixels on the right and 0 at the bottom stays empty"},
      {"More\\cover.jpg", JpegOfSize(215, 300),
       "so a margin of 0 pixels on the right and 9 at the bottom stays empty"},
      // A size that leaves a strip of the banner showing at the box's right and bottom.
      {"More\\cover.jpg", JpegOfSize(214, 308),
       "so a margin of 1 pixels on the right and 1 at the bottom stays empty"},
      {"More\\cover.jpg", JpegOfSize(250, 300),
       "so 35 pixels on the right and 0 at the bottom are cut off, and a margin of 0 pixels on the "
       "right and 9 at the bottom stays empty"},
  };
  for (const Case& c : cases) {
    disc = author::MemoryDisc();
    Lay();
    disc.Add(c.file, c.bytes);
    const CheckReport r = Check();
    EXPECT_EQ(r.cover, c.file);
    EXPECT_TRUE(r.banner);
    EXPECT_EQ(Found(r, Severity::Warning, c.says.empty() ? "the cover is" : c.says),
              c.says.empty() ? 0 : 1)
        << Everything(r);
  }
}

// Check reports as unshowable exactly the covers the launcher refuses: a long side it reads, a
// huge JPEG it reads at an eighth, and not one whose eighth is beyond its memory.
TEST_F(DiscCheckTest, TheCoverIsRefusedOnlyWhereTheLauncherRefusesIt) {
  const struct {
    std::string bytes;
    bool shown;
  } cases[] = {
      {JpegOfSize(16385, 10), true},
      {JpegOfSize(16000, 16000), true},
      {JpegOfSize(20000, 20000), false},
  };
  for (const auto& c : cases) {
    disc = author::MemoryDisc();
    Lay();
    disc.Add("More\\cover.jpg", c.bytes);
    const CheckReport r = Check();
    EXPECT_EQ(r.cover == "More\\cover.jpg", c.shown) << Everything(r);
    EXPECT_EQ(Found(r, Severity::Viewer, "can't be shown"), c.shown ? 0 : 1) << Everything(r);
  }
}

TEST_F(DiscCheckTest, TheLauncherChoosesTheCoverAndHidesAnEmptyBanner) {
  Lay({"hide-banner=on"});
  disc.AddFolder("More");
  EXPECT_FALSE(Check().banner);
  disc.Add("More\\a.jpg", JpegOfSize(215, 309)).Add("More\\b.bmp", BitmapOfSize(215, 309));
  const CheckReport r = Check();
  EXPECT_EQ(r.cover, "More\\b.bmp");
  EXPECT_TRUE(r.banner);
}

TEST_F(DiscCheckTest, ADiscWithoutAMovieCantPlay) {
  disc.Add("Zorvik.exe", "MZ").Add("autorun.inf", author::FormatAutorun("X"));
  disc.Add("More\\Settings.sav", FormatSettings(Settings()));
  const CheckReport r = Check();
  ASSERT_EQ(r.startBoxes.size(), 1u);
  EXPECT_EQ(r.startBoxes[0].title + "|" + r.startBoxes[0].prompt,
            "Caution|No video file is selected or found. Check your settings!");
  EXPECT_EQ(Found(r, Severity::Viewer,
                  "there is no movie beside the launcher (.avi, .mpg, .mpeg, .ogm, .asf or .wma)"),
            1);
  EXPECT_FALSE(r.play.available);
}

// A disc whose files are as large as a film's.
class LargeDisc : public author::MemoryDisc {
 public:
  std::uintmax_t size = 0;
  std::optional<std::vector<author::DiscEntry>> List(const author::DiscPath& folder) override {
    auto entries = MemoryDisc::List(folder);
    for (author::DiscEntry& e : entries.value())
      e.size = e.kind == author::EntryKind::File ? size : 0;
    return entries;
  }
};

TEST(DiscCheckNames, TheDiscsSizeIsWeighedAgainstACdAndADvd) {
  LargeDisc disc;
  disc.Add("film.avi").Add("trailer.avi");
  const auto problems = [&](std::uintmax_t each) {
    disc.size = each;
    author::DiscPlatform p(disc, author::ViewerPc{});
    std::string out;
    for (const author::Problem& problem : author::CheckDiscNames(p))
      out += std::to_string(static_cast<int>(problem.severity)) + " " + problem.text + "\n";
    return out;
  };
  EXPECT_EQ(problems(350u << 20), "");
  EXPECT_EQ(problems(360u << 20), "2 the files take 720 MB, more than a CD holds: burn a DVD\n");
  EXPECT_EQ(problems(703u << 19), "");
  EXPECT_EQ(problems(2350000000u), "2 the files take 4483 MB, more than a CD holds: burn a DVD\n");
  EXPECT_EQ(problems(2400000000u), "1 the files take 4578 MB, more than a DVD holds\n");
}

TEST_F(DiscCheckTest, WithoutAPlayerNothingPlaysAndTheReportSaysSo) {
  disc.Add("t.avi");
  Lay({"trailer1=t.avi", "trailer1.name=Trailer", "language=el"});
  pc.player.clear();
  const CheckReport r = Check();
  EXPECT_EQ(r.language, "Greek");
  EXPECT_EQ(Found(r, Severity::Viewer, "Play is disabled"), 1);
  const std::string text = author::CheckText(r, "film");
  for (const char* line :
       {"\nPlay: disabled: pressing it does nothing\n",
        "\nTrailer \"Trailer\": there is no player to start; the shell is given [D:\\t.avi -fs "
        "-eend]\n",
        "\nCover: none; the banner shows the launcher's own picture\n",
        "\n  viewer:  the trailer \"Trailer\" doesn't play\n",
        "\n  note:    there is no cover picture in More\\ (a .jpg or .bmp): the banner shows the "
        "launcher's own picture\n"})
    EXPECT_TRUE(Holds(text, line));
  const std::string json = author::CheckJson(r, "film");
  for (const char* fragment :
       {"\n  \"language\": \"Greek\",\n", "\n  \"banner\": true,\n",
        "\n  \"play\": {\n    \"what\": \"Play\",\n    \"available\": false,\n",
        "\n  \"trailers\": [\n    {\n      \"what\": \"Trailer\",\n      \"available\": true,\n"
        "      \"started\": true,\n      \"program\": \"\",\n      \"parameters\": \"D:\\\\t.avi "
        "-fs -eend\",\n",
        "\n  ],\n  \"problems\": [\n"})
    EXPECT_TRUE(Holds(json, fragment));
}

TEST_F(DiscCheckTest, QuietDiscsAndStoppedStartsReadAsSuch) {
  Lay();
  disc.Add("More\\cover.jpg", JpegOfSize(215, 309));
  std::string text = author::CheckText(Check(), "film");
  EXPECT_TRUE(Holds(text, "\n\nMessage boxes at start-up: none\n\nMenus (English):\n"));
  EXPECT_TRUE(
      Holds(text, "\n\nProblems: none\n\nResult: nothing reaches the viewer that shouldn't.\n"));
  disc.Add("More\\cover.jpg", "?");
  text = author::CheckText(Check(), "film");
  EXPECT_TRUE(Holds(text,
                    "\nThe launcher stops there: the viewer sees nothing more.\n\nProblems:\n"
                    "  viewer:  the viewer is shown \"The cover picture More\\cover.jpg can't be "
                    "shown: it is not a bitmap or JPEG picture.\", and the launcher stops there\n"
                    "\nResult: 1 thing reaches the viewer that shouldn't.\n"))
      << text;
}

TEST_F(DiscCheckTest, ThePlayersOwnSettingsStartItWithoutParameters) {
  Lay({"find=ini", "player-ini=default"});
  disc.Add("More\\cover.jpg", JpegOfSize(214, 300));
  const CheckReport r = Check();
  EXPECT_TRUE(r.play.started);
  EXPECT_EQ(r.play.program, pc.player);
  EXPECT_FALSE(r.ReachesViewer()) << Everything(r);
  const std::string text = author::CheckText(r, "film");
  EXPECT_TRUE(Holds(text,
                    "\nPlay: C:\\Program Files\\BSplayer\\bplay.exe is started with no "
                    "parameters\n"));
  const std::string json = author::CheckJson(r, "film");
  EXPECT_TRUE(Holds(json,
                    "\"cover\": {\n    \"file\": \"More\\\\cover.jpg\",\n    \"width\": 214,\n    "
                    "\"height\": 300,\n    \"boxWidth\": 215,\n    \"boxHeight\": 309\n  },\n"));
  EXPECT_TRUE(Holds(json,
                    "\"program\": \"C:\\\\Program Files\\\\BSplayer\\\\bplay.exe\",\n    "
                    "\"noParameters\": true,\n"));
}

// Digits are all as wide, and every character counts, the first as well.
TEST(DiscCheckText, TextIsMeasuredCharacterByCharacter) {
  EXPECT_EQ(author::TextPixels(U"0000", 12), author::TextPixels(U"9999", 12));
  EXPECT_EQ(author::TextPixels(U"", 12), 0);
  EXPECT_GT(author::TextPixels(U"W", 12), author::TextPixels(U"i", 12));
  const author::Wrapped w = author::WrapText("W", 12, author::TextPixels(U"W", 12) - 1);
  EXPECT_TRUE(w.wordTooWide && w.lines == 1);
}

// The first and last letters of each script's small and capital letters are as wide as the
// others of their kind.
TEST(DiscCheckText, EveryLetterIsMeasuredAsItsKind) {
  const auto width = [](char32_t c) { return author::TextPixels(std::u32string(1, c), 12); };
  for (char32_t small : {U'a', U'z', U'ß', U'ÿ', U'ά', U'ώ', U'а', U'џ'})
    EXPECT_EQ(width(small), width(U'a')) << static_cast<unsigned>(small);
  for (char32_t capital : {U'A', U'Z', U'Þ', U'Ϋ', U'Ϗ', U'Я', U'Ѡ'})
    EXPECT_EQ(width(capital), width(U'A')) << static_cast<unsigned>(capital);
  EXPECT_GT(width(U'A'), width(U'a'));
}

TEST(DiscCheckText, MenuTextShowsAmpersandsAsAMenuDoes) {
  EXPECT_EQ(author::MenuText("&&x"), "&x");
  EXPECT_EQ(author::MenuText("&Readme.txt"), "Readme.txt");
  EXPECT_EQ(author::MenuText("Tom && Jerry"), "Tom & Jerry");
  EXPECT_EQ(author::MenuText("a&"), "a");
}

}  // namespace
}  // namespace zorvik::test
