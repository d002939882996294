// The launcher's options window loaded from a settings record, as the launcher loads its file:
// the rules that live in the window (the player's option string, the lists' entries, the words
// for "no skin" and "the player's own settings") come from it, not from a copy.
#pragma once

#include <string>
#include <vector>

#include "author/disc_files.h"
#include "author/disc_platform.h"
#include "core/launcher.h"
#include "persistence/settings_file.h"

namespace zorvik::author {

// The launcher's factory settings: what its start-up holds on a disc without a settings file, on
// a computer without the player.
SettingsRecord FactoryRecord();

class RecordWindow {
 public:
  explicit RecordWindow(const SettingsRecord& record);
  RecordWindow(const RecordWindow&) = delete;
  RecordWindow& operator=(const RecordWindow&) = delete;

  // The option string the window's Apply would build from these settings.
  std::string OptionString();
  std::vector<std::string> AspectChoices();
  std::vector<std::string> ResolutionChoices();
  // In the record's language.
  std::string NoSkinWord();
  std::string DefaultIniWord();

 private:
  MemoryDisc disc_;
  DiscPlatform platform_;
  Launcher launcher_;
};

}  // namespace zorvik::author
