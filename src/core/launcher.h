// The launcher: the state every window and procedure shares, the two windows' lifetimes, and the
// ways the program ends. There is one per run.
#pragma once

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/listed_disc.h"
#include "core/platform.h"

namespace zorvik {

class Form;
class FrmMain;
class FrmOpt;
class MainWindowControls;
class OptionsWindowControls;

// The disc's installers, in the order the settings file keeps them.
enum class InstallerId { BSplayer, DivX, DivXPro, FFdshow, XviD };
constexpr int kInstallerCount = 5;

struct InstallerEntry {
  std::string InstallerPath;  // relative to the launcher's folder
  std::string InstallerName;
};

// The program's title, shown by message boxes that have none of their own.
inline constexpr const char* kAppTitle = "Zorvik";

// A failure and what it was. (The library's exception classes with a text keep it in a string of
// their own kind, which brings some 40 KB of the library into Zorvik.exe.)
class Failure : public std::exception {
 public:
  explicit Failure(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

// A failure whose text is written for the user; it ends the program like any other.
class UserError : public Failure {
 public:
  using Failure::Failure;
};

// What the user reads when an unexpected failure ends the program; `what` describes the failure,
// or is null when nothing does.
std::string UnexpectedErrorText(const char* what);

// Views hear when a window comes into being or goes: the main window once, the options window
// at each load and unload.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void MainLoaded(FrmMain& form) = 0;
  virtual void OptLoaded(FrmOpt& form) = 0;
  virtual void OptUnloaded(FrmOpt& form) = 0;
};

class Launcher {
  // The platform as every procedure sees it: while the main window loads, it answers from one
  // listing of each of the disc's folders.
  ListedDisc disc_;

 public:
  explicit Launcher(Platform& platform);
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  Platform& platform;
  FormObserver* observer = nullptr;

  // Creates the main window and runs its load handler. A failure is shown and ends the program.
  void Start();
  // Whether the main window's load handler has run to its end.
  bool Started() const { return started_; }

  // Runs one event from outside (input, menu, timer). A failure in it is shown and ends the
  // program; windows unloaded during it are destroyed once it is over.
  void Dispatch(const std::function<void()>& event);

  FrmMain& Main();
  // The options window, created hidden (and loaded) on first access.
  FrmOpt& Opt();
  bool OptLoaded() const { return opt_ != nullptr; }
  // Unloads the options window; its values are gone and the next access loads it afresh.
  void UnloadOpt();
  // The same two windows as their controls only: what the settings file, the player and the
  // movie's finding read and set, below the windows' behaviour.
  MainWindowControls& MainControls();
  OptionsWindowControls& OptControls();

  // Ending at once: no handler runs afterwards; the front end closes the windows and leaves.
  void EndNow() { ending_ = true; }
  bool Ending() const { return ending_; }

  // A message box; without a title it shows the program's title.
  int MsgBox(const std::string& prompt, int style, const std::string& title = "");

  // Shared flags.
  bool GreekLanguage = false;
  bool RegistryError = false;
  bool CoverFound = false;

  // The disc's trailers and extra programs, relative to the launcher's folder.
  std::string Trailer1Path, Trailer2Path, Trailer3Path;
  std::string Other1Path, Other2Path;
  std::string& TrailerPath(int n);  // n = 1, 2, 3

  std::array<InstallerEntry, kInstallerCount> Installers;
  InstallerEntry& Installer(InstallerId id) { return Installers[static_cast<size_t>(id)]; }

  // Texts in the current language, filled when the language is applied.
  std::string TitleCaution, TitleInformation, TextDefault, TextChangeSkin;
  std::string MsgInstallBSplayer, MsgInstallDivX, MsgInstallXviD;
  std::string MsgFileNotFound, MsgCantWrite, MsgRemovableDisk, MsgAutoDetect, MsgNoVideo,
      MsgOldVersion;

  // The compiled help file that message boxes with a Help button open; empty when none.
  std::string HelpFile;

  // The player's path as start-up read it from the registry; empty when it read none.
  std::string PlayerPathFound;
  // The player's subtitle values that the options window could not read when it was loaded and
  // that the launcher has not written since: the player has its own, unknown to the launcher.
  bool SubStyleUnread = false;
  bool SubDirUnread = false;

 private:
  void Fail(const std::string& what);
  std::unique_ptr<FrmMain> main_;
  std::unique_ptr<FrmOpt> opt_;
  std::vector<std::unique_ptr<FrmOpt>> unloaded_;
  int dispatchDepth_ = 0;
  bool started_ = false;
  bool ending_ = false;
};

}  // namespace zorvik
