// The settings file as named fields: the names `show` prints and `set` takes, and the rules for
// each value. Values are checked before anything is written, so a refused call changes nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "persistence/settings_file.h"

namespace zorvik::author {

// The latest start time `set` takes, in seconds: longer than any movie on a disc.
inline constexpr int kLatestStart = 36000;

// The launcher's factory settings: what its start-up holds on a disc without a settings file, on
// a computer without the player.
SettingsRecord FactoryRecord();

enum class FieldKind { Text, Switch, Choice };

struct FieldHelp {
  std::string name;
  std::string values;  // what the value may be, as the help shows it
  std::string what;
};
// Every field in file order.
const std::vector<FieldHelp>& SettingsFieldHelp();

struct ShownField {
  std::string name;
  std::string value;
  FieldKind kind = FieldKind::Text;
};
std::vector<ShownField> ShowSettings(const SettingsRecord& record);

struct SetResult {
  std::optional<SettingsRecord> record;  // nothing when refused
  std::string error;                     // why, naming the argument
  std::vector<std::string> changes;      // "title: ZORVIK -> Films", one per changed field
  std::vector<std::string> discPaths;    // the paths on the disc the arguments named
};
// Applies NAME=VALUE arguments, all of them or none.
SetResult ApplySettings(const SettingsRecord& record, const std::vector<std::string>& arguments);

}  // namespace zorvik::author
