// autorun.inf, the file that makes Windows start the launcher when the disc goes in and gives
// the drive its icon and name.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zorvik::author {

inline constexpr const char* kAutorunName = "autorun.inf";
inline constexpr const char* kLauncherName = "Zorvik.exe";

// The file for a disc: plain ASCII when the label allows it, otherwise UTF-16 with its mark,
// which Windows reads as Unicode.
std::string FormatAutorun(const std::string& label);

struct AutorunInf {
  bool hasSection = false;                  // an [autorun] section
  std::map<std::string, std::string> keys;  // its keys, lower case, values trimmed, UTF-8
  std::string encoding;                     // "ASCII", "ANSI", "UTF-16", "UTF-8"
};
AutorunInf ParseAutorun(std::string_view bytes);

// The program part of an open= value ("Zorvik.exe" of "Zorvik.exe /x"), and the file part of
// an icon= value ("Zorvik.exe" of "Zorvik.exe,0").
std::string AutorunProgram(const std::string& open);
std::string AutorunIconFile(const std::string& icon);

}  // namespace zorvik::author
