#include "core/launcher.h"

#include <exception>

#include "ui/windows.h"

namespace zorvik {

Launcher::Launcher(Platform& p) : disc_(p), platform(disc_) {}

Launcher::~Launcher() = default;

void Launcher::Start() {
  disc_.SetListing(true);
  Dispatch([this] {
    FrmMain& m = Main();
    m.Form_Load();
    disc_.SetListing(false);
    started_ = true;
    if (!ending_) m.Show();
  });
  disc_.SetListing(false);
}

std::string UnexpectedErrorText(const char* what) {
  const std::string text = "An unexpected error stopped Zorvik";
  return what ? text + ": " + what : text + ".";
}

void Launcher::Dispatch(const std::function<void()>& event) {
  if (ending_) return;
  ++dispatchDepth_;
  try {
    event();
  } catch (const UserError& e) {
    Fail(e.what());
  } catch (const std::exception& e) {
    Fail(UnexpectedErrorText(e.what()));
  } catch (...) {
    Fail(UnexpectedErrorText(nullptr));
  }
  if (--dispatchDepth_ == 0) unloaded_.clear();
}

void Launcher::Fail(const std::string& what) {
  if (ending_) return;
  ending_ = true;
  platform.MessageBox(what, kMbCritical, kAppTitle, "");
}

FrmMain& Launcher::Main() {
  if (!main_) {
    main_ = std::make_unique<FrmMain>(*this);
    if (observer) observer->MainLoaded(*main_);
  }
  return *main_;
}

MainWindowControls& Launcher::MainControls() {
  return Main();
}

OptionsWindowControls& Launcher::OptControls() {
  return Opt();
}

FrmOpt& Launcher::Opt() {
  if (!opt_) {
    opt_ = std::make_unique<FrmOpt>(*this);
    if (observer) observer->OptLoaded(*opt_);
    opt_->Form_Load();
  }
  return *opt_;
}

void Launcher::UnloadOpt() {
  if (!opt_) return;
  if (observer) observer->OptUnloaded(*opt_);
  // The window may be unloading itself from one of its own handlers: keep the object alive
  // until the event that did it is over.
  unloaded_.push_back(std::move(opt_));
  if (dispatchDepth_ == 0) unloaded_.clear();
}

std::string& Launcher::TrailerPath(int n) {
  switch (n) {
    case 1:
      return Trailer1Path;
    case 2:
      return Trailer2Path;
    default:
      return Trailer3Path;
  }
}

int Launcher::MsgBox(const std::string& prompt, int style, const std::string& title) {
  return platform.MessageBox(prompt, style, title.empty() ? kAppTitle : title,
                             (style & kMbHelp) ? HelpFile : "");
}

}  // namespace zorvik
