// zorvik-disc's commands on real folders: their help, refusals, what they write and run.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

#include "author/autorun_inf.h"
#include "author/host_folder.h"
#include "author/tool.h"
#include "support/settings_samples.h"
#include "unit/disc_samples.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using author::kExitDone;
using author::kExitRefused;
using author::kExitViewerProblem;

// Stands in for xorriso: records each run, "masters" by writing the image file, and answers the
// listing with what the test says.
class FakeXorriso : public author::ProgramRunner {
 public:
  bool present = true;
  std::string listing;
  std::vector<std::vector<std::string>> runs;
  author::ProgramRun Run(const std::string& program,
                         const std::vector<std::string>& args) override {
    runs.push_back(args);
    runs.back().insert(runs.back().begin(), program);
    author::ProgramRun r;
    if (!present) {
      r.error = "No such file or directory";
      return r;
    }
    r.started = true;
    r.exitCode = 0;
    for (const std::string& a : args) {
      if (a.starts_with("stdio:") && args[0] == "-no_rc" && args[1] == "-abort_on") {
        std::ofstream(author::HostPath(a.substr(6))) << "image";
      }
    }
    if (args[1] != "-abort_on") r.output = listing;
    return r;
  }
};

class DiscCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of this run's own: test runs of other checkouts may go on at the same time.
    root = fs::temp_directory_path() /
           ("zorvik-commands-" + std::to_string(std::random_device{}()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "tool");
    std::ofstream(root / "tool" / "Zorvik.exe", std::ios::binary) << "MZ launcher";
    host.toolFolder = root / "tool";
    host.runner = &xorriso;
    host.environment = [this](const std::string& name) -> std::optional<std::string> {
      const auto it = environment.find(name);
      if (it == environment.end()) return std::nullopt;
      return it->second;
    };
  }
  void TearDown() override { fs::remove_all(root); }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "zorvik-disc");
    out.str("");
    err.str("");
    return author::RunTool(args, out, err, host);
  }
  std::string Disc() const { return author::HostText(root / "film"); }
  std::string Bytes(const std::string& relative) const {
    return author::ReadHostFile(root / "film" / author::HostPath(relative), 1 << 24)
        .value_or("(none)");
  }

  fs::path root;
  FakeXorriso xorriso;
  std::map<std::string, std::string> environment;
  author::ToolHost host;
  std::ostringstream out, err;
};

TEST_F(DiscCommandsTest, EveryCommandExplainsItselfWithAnExample) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--help"},
                                             {"-h"},
                                             {"help"},
                                             {"init", "--help"},
                                             {"set", "--help"},
                                             {"show", "-h"},
                                             {"check", "--help"},
                                             {"iso", "x", "--help"}}) {
    EXPECT_EQ(Run(args), kExitDone) << args[0];
    EXPECT_TRUE(
        Holds(out.str(), "zorvik-disc " + (args.size() > 1 ? args[0] : std::string("init"))));
    EXPECT_TRUE(Holds(out.str(), "xample"));
  }
  EXPECT_TRUE(Holds(out.str(), "xorriso"));
  EXPECT_EQ(Run({"set", "--help"}), kExitDone);
  EXPECT_TRUE(Holds(out.str(),
                    "\n  title=TEXT                              the movie's title on the main "
                    "window\n  trailer1=PATH"));
  EXPECT_EQ(Run({}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "zorvik-disc init DIR"));
}

TEST_F(DiscCommandsTest, WrongCommandsAndOptionsAreRefusedByName) {
  struct Case {
    std::vector<std::string> args;
    std::string says;
  };
  const Case cases[] = {
      {{"burn"}, "\"burn\" is not a command"},
      {{"check", "film", "--fast"}, "unknown option --fast"},
      {{"check", "film", "--pc"}, "--pc needs a value"},
      {{"check", root.string() + "/nowhere"}, "nowhere is not a folder"},
      {{"check", "a", "b"}, "check takes one folder"},
      {{"check", root.string(), "--pc=player=none,codecs=h264"}, "--pc: codecs=h264"},
      {{"show"}, "show takes one folder"},
      {{"set", root.string()}, "set takes a folder and NAME=VALUE"},
      {{"set", root.string(), "title=x", "--force"}, "unknown option --force"},
      {{"set", root.string(), "title=x"}, "has no More\\Settings.sav"},
      {{"iso", root.string()}, "iso takes a folder and an image file"},
      {{"init", "a", "b"}, "init takes one folder"},
      {{"init", "a", "--language", "fr"}, "language=fr: the value is not en or el"},
      {{"init", author::HostText(root / "notes.txt")}, "notes.txt is not a folder"},
  };
  std::ofstream(root / "notes.txt") << "kept";
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), kExitRefused) << c.args[0];
    EXPECT_TRUE(err.str().starts_with("zorvik-disc: ")) << err.str();
    EXPECT_TRUE(Holds(err.str(), c.says));
  }
  std::ifstream kept(root / "notes.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
}

TEST_F(DiscCommandsTest, InitLaysOutTheDiscWithTheLaunchersFactorySettings) {
  ASSERT_EQ(Run({"init", Disc(), "--title", "Τα Φαντάσματα", "--language=el"}), kExitDone)
      << err.str();
  EXPECT_TRUE(
      Holds(out.str(), "\n  autorun.inf           starts it; names the drive \"Τα Φαντάσματα\"\n"));
  EXPECT_EQ(Bytes("Zorvik.exe"), "MZ launcher");
  const author::AutorunInf inf = author::ParseAutorun(Bytes("autorun.inf"));
  EXPECT_EQ(inf.keys.at("open"), "Zorvik.exe");
  EXPECT_EQ(inf.keys.at("label"), "Τα Φαντάσματα");
  EXPECT_EQ(Bytes("More/Settings.sav"),
            Edited(kFactoryFile,
                   {{"English Language", "Greek Language"},
                    {"\"ZORVIK\"", "\"\xD4\xE1 \xD6\xE1\xED\xF4\xDC\xF3\xEC\xE1\xF4\xE1\""}}));

  EXPECT_EQ(Run({"init", Disc()}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "is already laid out"));
  EXPECT_EQ(Run({"init", Disc(), "--force"}), kExitDone) << err.str();
  EXPECT_EQ(Bytes("More/Settings.sav"), kFactoryFile);
}

TEST_F(DiscCommandsTest, InitFindsTheLauncherOrSaysWhereItLooked) {
  std::ofstream(root / "other.exe", std::ios::binary) << "MZ other";
  environment["ZORVIK_LAUNCHER"] = author::HostText(root / "other.exe");
  ASSERT_EQ(Run({"init", Disc()}), kExitDone) << err.str();
  EXPECT_EQ(Bytes("Zorvik.exe"), "MZ other");

  fs::remove_all(root / "film");
  fs::create_directories(root / "film");
  std::ofstream(root / "film" / "More") << "a file";
  EXPECT_EQ(Run({"init", Disc()}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "can't make " + Disc() + "/More"));

  fs::remove_all(root / "film");
  environment["ZORVIK_LAUNCHER"] = author::HostText(root / "missing.exe");
  EXPECT_EQ(Run({"init", Disc()}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "missing.exe (named by $ZORVIK_LAUNCHER)"));
  EXPECT_FALSE(fs::exists(root / "film"));

  environment.clear();
  fs::rename(root / "tool" / "Zorvik.exe", root / "tool" / "Other.exe");
  EXPECT_EQ(Run({"init", Disc()}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "tool/Zorvik.exe (beside this tool) nor in ../windows/bin"));
  fs::create_directories(root / "windows" / "bin");
  std::ofstream(root / "windows" / "bin" / "Zorvik.exe", std::ios::binary) << "MZ built";
  ASSERT_EQ(Run({"init", Disc()}), kExitDone) << err.str();
  EXPECT_EQ(Bytes("Zorvik.exe"), "MZ built");
  EXPECT_TRUE(Holds(out.str(), "windows/bin/Zorvik.exe"));
  fs::remove_all(root / "film");
  fs::remove_all(root / "windows");
  EXPECT_EQ(Run({"init", Disc(), "--launcher", author::HostText(root / "tool")}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "(given with --launcher)"));
  std::ofstream(root / "text.exe") << "text";
  EXPECT_EQ(Run({"init", Disc(), "--launcher", author::HostText(root / "text.exe")}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "is not a Windows program"));
  EXPECT_FALSE(fs::exists(root / "film"));
}

TEST_F(DiscCommandsTest, SetChangesAllOrNothingAndShowPrintsIt) {
  ASSERT_EQ(Run({"init", Disc()}), kExitDone);
  const std::string before = Bytes("More/Settings.sav");
  EXPECT_EQ(Run({"set", Disc(), "title=Film", "fullscreen=maybe"}), kExitRefused);
  EXPECT_TRUE(
      Holds(err.str(), "fullscreen=maybe: the value is not on or off; nothing was changed"));
  EXPECT_EQ(Bytes("More/Settings.sav"), before);

  fs::create_directories(root / "film" / "Trailers");
  std::ofstream(root / "film" / "Trailers" / "Teaser.avi") << "";
  ASSERT_EQ(Run({"set", Disc(), "title=Film", "trailer1=trailers/teaser.avi",
                 "trailer2=trailers/other.avi", "movie=film.avi"}),
            kExitDone)
      << err.str();
  EXPECT_TRUE(Holds(out.str(), "title: \"ZORVIK\" -> \"Film\""));
  EXPECT_TRUE(Holds(out.str(), "note: trailers\\teaser.avi is stored as Trailers\\Teaser.avi"));
  EXPECT_TRUE(Holds(out.str(), "note: trailers\\other.avi is not on the disc yet"));
  EXPECT_TRUE(Holds(out.str(), "with find=auto the launcher looks for the movie itself"));
  EXPECT_EQ(
      Bytes("More/Settings.sav"),
      Edited(before, {{"\"ZORVIK\"", "\"Film\""},
                      {"\"\",\"Name Trailer 1\"", "\"trailers\\teaser.avi\",\"Name Trailer 1\""},
                      {"\"\",\"Name Trailer 2\"", "\"trailers\\other.avi\",\"Name Trailer 2\""},
                      {"\"\",1,0", "\"film.avi\",1,0"}}));

  EXPECT_EQ(Run({"set", Disc(), "title=Film"}), kExitDone);
  EXPECT_TRUE(Holds(out.str(), "Nothing to change"));
  EXPECT_EQ(Run({"set", Disc(), "title=Film 2"}), kExitDone);
  EXPECT_EQ(out.str(), "title: \"Film\" -> \"Film 2\"\n");

  ASSERT_EQ(Run({"show", Disc()}), kExitDone);
  EXPECT_TRUE(Holds(out.str(), "\ntitle=Film 2\ntrailer1=trailers\\teaser.avi\n"));
  ASSERT_EQ(Run({"show", Disc(), "--json"}), kExitDone);
  EXPECT_TRUE(Holds(out.str(), "\"fullscreen\": true,"));
  EXPECT_TRUE(Holds(out.str(), "\"trailer1\": \"trailers\\\\teaser.avi\","));

  std::ofstream(root / "film" / "More" / "Settings.sav") << "broken";
  EXPECT_EQ(Run({"show", Disc()}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "can't be read as a settings file"));
}

TEST_F(DiscCommandsTest, SetPinsTheMovieOnlyWhereTheLauncherFindsIt) {
  ASSERT_EQ(Run({"init", Disc()}), kExitDone);
  std::ofstream(root / "film" / "Ta Fantasmata (1998).avi") << "";
  std::ofstream(root / "film" / "extra.mpg") << "";
  const std::string before = Bytes("More/Settings.sav");
  EXPECT_EQ(Run({"set", Disc(), "movie=Ta Fantasmata (1998).avi"}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "with find=auto the launcher plays extra.mpg"));
  EXPECT_EQ(Bytes("More/Settings.sav"), before);
  fs::remove(root / "film" / "extra.mpg");
  EXPECT_EQ(Run({"set", Disc(), "movie=ta fantasmata (1998).avi", "trailer1=t.avi", "start=on",
                 "start-seconds=1:30"}),
            kExitDone)
      << err.str();
  EXPECT_TRUE(Holds(out.str(),
                    "note: the launcher gives the trailers the movie's options, so "
                    "t.avi starts at 90 seconds too"));
  EXPECT_TRUE(Holds(out.str(),
                    "note: the Video File menu shows t.avi as \"Name Trailer 1\": "
                    "name it with trailer1.name=...\n"));
}

TEST_F(DiscCommandsTest, CheckSaysByItsStatusWhetherSomethingReachesTheViewer) {
  ASSERT_EQ(Run({"init", Disc(), "--title", "Film"}), kExitDone);
  std::ofstream(root / "film" / "Big Movie.avi") << "";
  EXPECT_EQ(Run({"check", Disc(), "--pc", "disc=E:"}), kExitDone) << out.str();
  EXPECT_TRUE(Holds(out.str(),
                    "\nPlay: C:\\Program Files\\BSplayer\\bplay.exe is given "
                    "[E:\\Big Movie.avi  -fs -eend]\n"));
  EXPECT_EQ(Run({"check", Disc(), "--pc", "bare", "--json"}), kExitViewerProblem);
  EXPECT_TRUE(Holds(out.str(), "\"text\": \"Please install the BSplayer\""));
  EXPECT_TRUE(Holds(out.str(), "\"name\": \"MainVideo\",\n"));
  EXPECT_TRUE(Holds(out.str(), "\"caption\": \"Main video\""));
  EXPECT_TRUE(Holds(out.str(), "\"reachesViewer\": true"));
}

TEST_F(DiscCommandsTest, IsoKeepsNoImageThatDoesntReadBackAsTheFolder) {
  ASSERT_EQ(Run({"init", Disc(), "--title", "The Film"}), kExitDone);
  std::ofstream(root / "film" / "film.avi") << "";
  std::ofstream(root / "film" / "extra.txt") << "x";
  xorriso.listing = "Volume Id    : The Film\n";
  EXPECT_EQ(Run({"iso", Disc(), author::HostText(root / "film.iso")}), kExitViewerProblem);
  EXPECT_TRUE(Holds(err.str(),
                    "in the label\nzorvik-disc: the image did not read back as the disc "
                    "folder, so it was removed:\n  /More is missing from the image\n"));
  EXPECT_TRUE(Holds(err.str(), "\n  /extra.txt is missing from the image\n"));
  EXPECT_FALSE(fs::exists(root / "film.iso"));
  EXPECT_FALSE(fs::exists(root / "film.iso.zorvik-new"));
}

TEST_F(DiscCommandsTest, IsoWaitsForADiscThatCheckPassesAndKeepsWhatIsThere) {
  ASSERT_EQ(Run({"init", Disc()}), kExitDone);
  const std::string image = author::HostText(root / "film.iso");
  EXPECT_EQ(Run({"iso", Disc(), image}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "check finds what reaches the viewer of this disc\n"));
  EXPECT_TRUE(Holds(err.str(), "\n  there is no movie beside the launcher"));
  EXPECT_TRUE(xorriso.runs.empty());
  EXPECT_EQ(Run({"iso", Disc(), image, "--force"}), kExitViewerProblem);
  EXPECT_TRUE(Holds(err.str(), "note: mastered all the same, as --force asks"));
  EXPECT_EQ(xorriso.runs.size(), 2u);

  std::ofstream(root / "film" / "film.avi") << "";
  std::ofstream(root / "precious.txt") << "keep";
  const std::string precious = author::HostText(root / "precious.txt");
  EXPECT_EQ(Run({"iso", Disc(), precious}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "precious.txt exists: give --force to replace it"));
  EXPECT_EQ(author::ReadHostFile(root / "precious.txt", 10), "keep");
  EXPECT_EQ(Run({"iso", Disc(), author::HostText(root)}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), " is a folder"));

  // The check is for the computer described.
  ASSERT_EQ(Run({"set", Disc(), "find=path", "movie=E:\\film.avi"}), kExitDone) << err.str();
  EXPECT_EQ(Run({"iso", Disc(), image}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "but this viewer's disc is at D:\\"));
  xorriso.runs.clear();
  EXPECT_EQ(Run({"iso", Disc(), image, "--pc", "disc=E:"}), kExitViewerProblem);
  EXPECT_EQ(xorriso.runs.size(), 2u);
}

TEST_F(DiscCommandsTest, IsoRefusesWhatCantBecomeAGoodImage) {
  ASSERT_EQ(Run({"init", Disc()}), kExitDone);
  std::ofstream(root / "film" / "film.avi") << "";
  const std::string image = author::HostText(root / "film.iso");
  EXPECT_EQ(Run({"iso", Disc(), Disc() + "/film.iso"}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "outside the disc folder"));
  EXPECT_EQ(Run({"iso", Disc(), image, "--label", std::string(33, 'L')}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "holds 32"));

  xorriso.present = false;
  EXPECT_EQ(Run({"iso", Disc(), image}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(),
                    "iso needs xorriso, which could not be started (No such file or "
                    "directory): install it (Debian: apt-get install xorriso)"));
  EXPECT_EQ(Run({"iso", Disc(), image, "--xorriso", "/opt/xorriso"}), kExitRefused);
  EXPECT_EQ(xorriso.runs.back()[0], "/opt/xorriso");
  host.windowsBuild = true;
  environment["ZORVIK_XORRISO"] = "C:\\tools\\xorriso.exe";
  EXPECT_EQ(Run({"iso", Disc(), image}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "Windows doesn't come with it"));
  EXPECT_EQ(xorriso.runs.back()[0], "C:\\tools\\xorriso.exe");

  std::ofstream(root / "film" / author::HostPath(std::string(65, 'n') + ".avi")) << "";
  const size_t runs = xorriso.runs.size();
  EXPECT_EQ(Run({"iso", Disc(), image}), kExitRefused);
  EXPECT_TRUE(Holds(err.str(), "don't fit a Joliet image"));
  EXPECT_EQ(xorriso.runs.size(), runs);
}

// The image made by the real xorriso, when the system has it (tools/test installs it).
TEST_F(DiscCommandsTest, IsoMakesAJolietImageThatReadsBackWithXorriso) {
  author::SystemRunner system;
  if (!system.Run("xorriso", {"-version"}).started) GTEST_SKIP() << "xorriso isn't installed";
  host.runner = &system;
  ASSERT_EQ(Run({"init", Disc(), "--title", "Τα Φαντάσματα"}), kExitDone);
  std::ofstream(root / "film" / "film.avi") << "";
  fs::create_directories(root / "film" / "trailers");
  std::ofstream(root / "film" / "trailers" / author::HostPath("Τρέιλερ 'ένα'.avi")) << "12345";
  const std::string image = author::HostText(root / "film.iso");
  ASSERT_EQ(Run({"iso", Disc(), image}), kExitDone) << err.str() << out.str();
  const size_t bytes = 11 + Bytes("More/Settings.sav").size() + Bytes("autorun.inf").size() + 5;
  EXPECT_TRUE(Holds(out.str(), "Mastered " + image +
                                   ", volume Τα Φαντάσματα: 5 files in 2 folders, " +
                                   std::to_string(bytes) + " bytes."));
  EXPECT_TRUE(Holds(out.str(), "  /trailers/Τρέιλερ 'ένα'.avi  5 bytes\n"));
  EXPECT_TRUE(fs::is_regular_file(root / "film.iso"));
  EXPECT_FALSE(fs::exists(root / "film.iso.zorvik-new"));
  EXPECT_EQ(Run({"iso", Disc(), image, "--force"}), kExitDone) << err.str();
}

}  // namespace
}  // namespace zorvik::test
