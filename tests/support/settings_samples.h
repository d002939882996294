// Settings files to start the launcher on, and the options window driven as a user drives it.
#pragma once

#include <string>
#include <vector>

#include "support/data_file.h"
#include "support/launcher_fixture.h"

namespace zorvik::test {

inline constexpr const char* kSettingsPath = "E:\\More\\Settings.sav";

namespace detail {
inline std::string WithCrLf(std::string s) {
  std::string out;
  for (char c : s)
    out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}
}  // namespace detail

// What the factory defaults write after one Apply in English with manual mode on, on a computer
// without the player; kept with line feeds for line ends.
inline const std::string kFactoryFile = detail::WithCrLf(DataFile("factory-settings.txt"));

// A file with some of its text replaced, each replacement at its first occurrence.
inline std::string Edited(std::string file,
                          const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) file.replace(at, from.size(), to);
  }
  return file;
}

class OptionsTest : public LauncherTest {
 protected:
  // A button can be pressed only while it is there to press.
  void Press(CommandButton& b) {
    ASSERT_TRUE(b.Enabled() && b.Visible()) << b.Name() << " can't be pressed";
    Event([&] { b.RaiseClick(); });
  }
  void Click(CheckBox& c) {
    Event([&] { c.UserClick(); });
  }
  void Set(const std::function<void(FrmOpt&)>& change) {
    Event([&] { change(Opt()); });
  }
  // Cancel, then the next access builds the window afresh.
  FrmOpt& Reopen() {
    Press(Opt().cmdCancel);
    return Opt();
  }
};

}  // namespace zorvik::test
