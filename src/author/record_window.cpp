#include "author/record_window.h"

#include "forms/language.h"
#include "ui/options/command_line.h"
#include "ui/options/frm_opt.h"

namespace zorvik::author {

namespace {

ViewerPc NoPlayer() {
  ViewerPc pc;
  pc.player.clear();
  return pc;
}

}  // namespace

SettingsRecord FactoryRecord() {
  MemoryDisc empty;
  DiscPlatform platform(empty, NoPlayer());
  Launcher launcher(platform);
  launcher.Start();
  return CaptureSettings(launcher);
}

RecordWindow::RecordWindow(const SettingsRecord& record)
    : platform_(disc_, NoPlayer()), launcher_(platform_) {
  disc_.Add(kSettingsReadPath, FormatSettings(record));
  launcher_.Opt();
  // As start-up does once the file is read.
  ApplyLanguage(launcher_);
}

std::string RecordWindow::OptionString() {
  BuildCommandLine(launcher_);
  return launcher_.Opt().TxtParam.Text();
}

std::vector<std::string> RecordWindow::AspectChoices() {
  return launcher_.Opt().CmbAspect.List();
}

std::vector<std::string> RecordWindow::ResolutionChoices() {
  return launcher_.Opt().CmbRes.List();
}

std::string RecordWindow::NoSkinWord() {
  return launcher_.TextChangeSkin;
}

std::string RecordWindow::DefaultIniWord() {
  return launcher_.TextDefault;
}

}  // namespace zorvik::author
