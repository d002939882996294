// Settings files to start the launcher on, and the options window driven as a user drives it.
#pragma once

#include <string>
#include <vector>

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
// without the player.
inline const std::string kFactoryFile = detail::WithCrLf(R"("English Language"
"",1,0
#TRUE#,#FALSE#,#FALSE#,"","Default",0
0,0,0,0,1,1,"Change Skin",0,0,"x seconds",0
0,0
"-fs -eend"

"ZORVIK"
"","Name Trailer 1"
"","Name Trailer 2"
"","Name Trailer 3"

"DivX players\BSplayer\BSplay_installer.exe","BSplayer"
"codecs\DivX_codec.exe","DivX codec"
"codecs\DivX_Pro_Adware_codec.exe","DivX Pro codec"
"codecs\FFdshow_filter.exe","FFdshow filter"
"codecs\xvid_installer.exe","XviD codec"

"","Name other codec 1"
"","Name other codec 2"
)");

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
