// The authors' tool's platform: a disc folder seen as Windows sees a CD, the rest of the viewer's
// computer as described; and the disc folder on the host's own file system.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

#include "author/disc_check.h"
#include "author/disc_platform.h"
#include "author/host_folder.h"
#include "author/run_program.h"
#include "unit/disc_samples.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using author::DiscPlatform;
using author::EntryKind;

class DiscPlatformTest : public ::testing::Test {
 protected:
  author::MemoryDisc disc;
  author::ViewerPc pc;
};

TEST_F(DiscPlatformTest, PathsReachTheDiscWhereverTheViewerSeesIt) {
  disc.Add("film.avi").Add("More\\Settings.sav").Add("Τρέιλερ\\Ταινία.avi");
  struct Case {
    std::string disc;
    std::vector<std::string> reach, miss;
  };
  const Case cases[] = {
      {"D:\\",
       {"D:\\film.avi", "film.avi", "\\FILM.AVI", "d:/More/../film.avi", "D:\\..\\film.avi",
        "more\\settings.SAV", "ΤΡΈΙΛΕΡ\\ταινία.AVI"},
       {"E:\\film.avi", "More"}},
      {"Z:\\discs\\film",
       {"Z:\\Discs\\FILM\\film.avi", "film.avi", "/discs/film/film.avi",
        "Z:\\discs\\film\\..\\film\\film.avi"},
       {"Z:\\discs\\film.avi"}},
  };
  for (const Case& c : cases) {
    pc.disc = c.disc;
    DiscPlatform p(disc, pc);
    for (const std::string& path : c.reach)
      EXPECT_TRUE(p.FileExists(path)) << c.disc << " " << path;
    for (const std::string& path : c.miss)
      EXPECT_FALSE(p.FileExists(path)) << c.disc << " " << path;
  }
  DiscPlatform p(disc, pc);
  EXPECT_TRUE(p.FolderExists("More\\"));
  EXPECT_EQ(p.LauncherFolder(), "Z:\\discs\\film");
}

TEST_F(DiscPlatformTest, LookupsSayWhenOnlyCaseMatched) {
  disc.Add("Trailers\\Teaser.avi").Add("trailers.txt");
  DiscPlatform p(disc, pc);
  const author::DiscLookup exact = p.Look("Trailers\\Teaser.avi");
  EXPECT_TRUE(exact.found);
  EXPECT_FALSE(exact.caseOnly);
  const author::DiscLookup folded = p.Look("D:\\trailers\\teaser.AVI");
  EXPECT_TRUE(folded.found);
  EXPECT_TRUE(folded.caseOnly);
  EXPECT_EQ(folded.stored, (author::DiscPath{"Trailers", "Teaser.avi"}));
  EXPECT_FALSE(p.Look("trailers.txt\\x").found);
  EXPECT_FALSE(p.Look("C:\\WINDOWS").onDisc);
}

TEST_F(DiscPlatformTest, SearchesListAsAJolietDiscDoes) {
  disc.Add("b.avi").Add("a.avi", "", {2004, 5, 6}).Add("B.AVI").Add("notes.txt");
  DiscPlatform p(disc, pc);
  const std::optional<FindRecord> first = p.FindFirst("D:\\*.avi");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->name, "B.AVI");
  EXPECT_EQ(p.FindFirst("D:\\A.*")->lastWrite, (LocalDate{2004, 5, 6}));
  EXPECT_EQ(p.FindFirst("*.t?t")->name, "notes.txt");
  EXPECT_FALSE(p.FindFirst("D:\\*.wma"));
  EXPECT_FALSE(p.FindFirst("More\\*.jpg"));
}

TEST_F(DiscPlatformTest, TheViewersComputerHoldsWhatItIsDescribedWith) {
  pc.windows = "C:\\WIN";
  pc.xvid = false;
  DiscPlatform p(disc, pc);
  EXPECT_TRUE(p.FileExists("c:\\win\\SYSTEM32\\divx.dll"));
  EXPECT_FALSE(p.FileExists("C:\\WIN\\system32\\xvid.dll"));
  EXPECT_TRUE(p.FileExists("C:\\program files\\ffdshow\\ffdshow.ax"));
  EXPECT_TRUE(p.FolderExists("C:\\WIN\\system"));
  EXPECT_FALSE(p.FolderExists("C:\\WIN\\NOTEPAD.EXE"));
  EXPECT_FALSE(p.FolderExists("C:\\Elsewhere"));
  EXPECT_EQ(p.FindFirst(pc.player)->lastWrite, (LocalDate{2005, 6, 1}));
  EXPECT_FALSE(p.FindFirst("C:\\Other\\bplay.exe"));
  pc.playerDate.reset();  // the registry names a file that isn't there
  EXPECT_FALSE(DiscPlatform(disc, pc).FindFirst(pc.player));
  EXPECT_EQ(p.FindFirst("C:\\WIN\\*.exe")->name, "NOTEPAD.EXE");
  EXPECT_EQ(p.WindowsFolder(), "C:\\WIN");

  RegKey key = 0;
  ASSERT_EQ(p.RegOpenPlayerKey(RegAccess::Read, key), kRegOk);
  std::string value;
  EXPECT_EQ(p.RegQueryValue(key, "Apppath", value), kRegOk);
  EXPECT_EQ(value, pc.player + std::string(1, '\0'));  // as Windows stores a REG_SZ
  EXPECT_EQ(p.RegQueryValue(key, "SubD", value), kRegNotFound);
  EXPECT_EQ(p.RegCloseKey(key), kRegOk);

  pc.player.clear();
  DiscPlatform none(disc, pc);
  EXPECT_EQ(none.RegOpenPlayerKey(RegAccess::Read, key), kRegNotFound);
}

TEST_F(DiscPlatformTest, TheDiscTakesWritesOnlyWhileItIsLaidOut) {
  disc.Add("more\\settings.sav", "old");
  DiscPlatform p(disc, pc);
  EXPECT_FALSE(p.WriteFileAtomic("D:\\More\\Settings.sav", "new"));
  EXPECT_FALSE(p.CreateFolder("D:\\Extra"));
  p.writable = true;
  EXPECT_TRUE(p.WriteFileAtomic("D:\\More\\Settings.sav", "new"));
  EXPECT_EQ(disc.Bytes("more\\settings.sav"), "new");
  EXPECT_FALSE(p.WriteFileAtomic("D:\\Missing\\a.txt", "x"));
  EXPECT_FALSE(p.WriteFileAtomic("C:\\WINDOWS\\a.txt", "x"));
  EXPECT_TRUE(p.CreateFolder("D:\\Extra"));
  EXPECT_TRUE(p.FolderExists("extra"));
  EXPECT_FALSE(p.CreateFolder("D:\\EXTRA"));
}

TEST_F(DiscPlatformTest, AMemoryDiscWritesOnlyWhereItHasFolders) {
  std::string error;
  EXPECT_FALSE(disc.WriteAtomic({}, "x", error));
  EXPECT_TRUE(disc.WriteAtomic({"a.txt"}, "x", error));
  EXPECT_FALSE(disc.MakeFolder({"a.txt"}, error));
  EXPECT_FALSE(disc.MakeFolder({"Missing", "b"}, error));
  EXPECT_EQ(error, "can't make that folder");
  EXPECT_TRUE(disc.MakeFolder({"b"}, error));
  EXPECT_TRUE(disc.MakeFolder({"b", "c"}, error));
  EXPECT_FALSE(disc.Bytes("b"));
  EXPECT_EQ(disc.Read({"a.txt"}, 1), "x");  // a file of just the limit is read, as from a folder
  EXPECT_FALSE(disc.Read({"a.txt"}, 0));
  EXPECT_FALSE(disc.WriteAtomic({"b"}, "x", error));
}

class HostFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("zorvik-host-" + std::to_string(std::random_device{}()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "More");
  }
  void TearDown() override { fs::remove_all(root); }
  void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  fs::path root;
};

TEST_F(HostFolderTest, ListsReadsAndWritesTheFolder) {
  const fs::path greek = author::HostPath("Ταινία.avi");
  Write(root / greek, "12345");
  const std::chrono::sys_seconds noon =
      std::chrono::sys_days{std::chrono::year{2004} / 3 / 1} + std::chrono::hours{12};
  fs::last_write_time(root / greek, std::chrono::file_clock::from_sys(noon));
  fs::create_symlink(root / greek, root / "link.avi");
  author::HostFolder folder(root);

  std::vector<author::DiscEntry> entries = folder.List({}).value();
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "More");
  EXPECT_EQ(entries[0].kind, EntryKind::Folder);
  EXPECT_EQ(entries[1].name, "link.avi");
  EXPECT_EQ(entries[1].kind, EntryKind::Other);
  EXPECT_EQ(entries[2].name, "Ταινία.avi");
  EXPECT_EQ(entries[2].size, 5u);
  EXPECT_EQ(entries[2].lastWrite, (LocalDate{2004, 3, 1}));
  EXPECT_FALSE(folder.List({"Ταινία.avi"}));

  EXPECT_EQ(folder.Read({"Ταινία.avi"}, 5), "12345");
  EXPECT_FALSE(folder.Read({"Ταινία.avi"}, 4));
  EXPECT_FALSE(folder.Read({"More"}, 100));
  // A movie's header is read without the rest of it, however short the file.
  EXPECT_EQ(folder.ReadStart({"Ταινία.avi"}, 3), "123");
  EXPECT_EQ(folder.ReadStart({"Ταινία.avi"}, 64), "12345");
  EXPECT_FALSE(folder.ReadStart({"More"}, 3));

  std::string error;
  ASSERT_TRUE(folder.WriteAtomic({"More", "Settings.sav"}, "one", error)) << error;
  ASSERT_TRUE(folder.WriteAtomic({"More", "Settings.sav"}, "two", error)) << error;
  EXPECT_EQ(folder.Read({"More", "Settings.sav"}, 100), "two");
  EXPECT_EQ(folder.List({"More"})->size(), 1u);  // nothing left beside it
  EXPECT_FALSE(folder.WriteAtomic({"Missing", "a.txt"}, "x", error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(folder.MakeFolder({"Extra"}, error));
  EXPECT_FALSE(folder.MakeFolder({"Extra"}, error));
  EXPECT_NE(error.find("Extra: something has that name"), std::string::npos) << error;
  EXPECT_FALSE(folder.MakeFolder({"Missing", "Extra"}, error));
  EXPECT_NE(error.find("Extra: No such file or directory"), std::string::npos) << error;

  DiscPlatform p(folder, author::ViewerPc{});
  EXPECT_EQ(p.FindFirst("D:\\ΤΑΙΝΊΑ.*")->name, "Ταινία.avi");
  EXPECT_TRUE(p.FolderExists("more\\"));
  const std::vector<author::Problem> problems = author::CheckDiscNames(p);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].severity, author::Severity::Warning);
  EXPECT_EQ(problems[0].text, "link.avi is neither a file nor a folder: the image leaves it out");
}

TEST(SystemRunner, RunsAProgramAndCollectsWhatItPrints) {
  author::SystemRunner runner;
  const author::ProgramRun run = runner.Run("sh", {"-c", "echo out; echo err >&2; exit 3"});
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.output, "out\nerr\n");
  EXPECT_EQ(runner.Run("printf", {"x"}).output, "x");  // a single byte read
  EXPECT_EQ(runner.Run("sh", {"-c", "kill -9 $$"}).exitCode, 128 + 9);
  const author::ProgramRun missing = runner.Run("zorvik-no-such-program", {});
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.error, "No such file or directory");
}

// A file that can't be replaced is left as it was, with no temporary file beside it.
TEST(HostFile, AReplacementThatFailsLeavesNothingBehind) {
  const fs::path dir =
      fs::temp_directory_path() / ("zorvik-replace-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir / "Settings.sav" / "inside");
  std::string error;
  EXPECT_FALSE(author::WriteHostFileAtomic(dir / "Settings.sav", "new", error));
  EXPECT_EQ(error, "can't replace " + author::HostText(dir / "Settings.sav") + ": Is a directory");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
  fs::remove_all(dir);
}

// A run leaves no file open, and one that can't get its pipes says why and leaves none either.
TEST(SystemRunner, LeavesNothingOpenAndSaysWhyItCouldntStart) {
  const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
  author::SystemRunner runner;
  const auto before = openFiles();
  runner.Run("sh", {"-c", "exit 0"});
  runner.Run("zorvik-no-such-program", {});
  EXPECT_EQ(openFiles(), before);
  int lowest[2];
  ASSERT_EQ(pipe(lowest), 0);  // the two descriptors a run's first pipe takes
  close(lowest[0]), close(lowest[1]);
  rlimit was{};
  getrlimit(RLIMIT_NOFILE, &was);
  for (const rlim_t limit : {rlim_t{0}, static_cast<rlim_t>(std::max(lowest[0], lowest[1]) + 1)}) {
    rlimit tight = was;
    tight.rlim_cur = limit;
    setrlimit(RLIMIT_NOFILE, &tight);
    const author::ProgramRun run = runner.Run("sh", {"-c", "exit 0"});
    setrlimit(RLIMIT_NOFILE, &was);
    EXPECT_FALSE(run.started) << limit;
    EXPECT_EQ(run.error, "Too many open files");
    EXPECT_EQ(openFiles(), before);
  }
}

// Windows gives a program one line; each argument must come back whole from the C runtime's split.
TEST(SystemRunner, WindowsGetsEachArgumentQuotedAsItsRuntimeSplitsThem) {
  EXPECT_EQ(author::WindowsCommandLine("xorriso", {"-volid", "THE_FILM", "C:\\a\\b", ""}),
            "xorriso -volid THE_FILM C:\\a\\b \"\"");
  EXPECT_EQ(author::WindowsCommandLine("C:\\My Tools\\xorriso.exe", {"Τα Φαντάσματα", "a\tb"}),
            "\"C:\\My Tools\\xorriso.exe\" \"Τα Φαντάσματα\" \"a\tb\"");
  EXPECT_EQ(
      author::WindowsCommandLine("x", {"say \"hi\"", "a\\\"b", "C:\\my dir\\", "d\\\\ e\\\\"}),
      "x \"say \\\"hi\\\"\" \"a\\\\\\\"b\" \"C:\\my dir\\\\\" \"d\\\\ e\\\\\\\\\"");
}

}  // namespace
}  // namespace zorvik::test
