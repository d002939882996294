#include "core/stand_in_windows.h"

#include "core/text_util.h"

namespace zorvik {

long StandInWindows::RegOpenPlayerKey(RegAccess access, RegKey& key) {
  if (failOpen) return *failOpen;
  if (!keyExists) return kRegNotFound;
  key = nextKey_++;
  open_[key] = access;
  return kRegOk;
}

long StandInWindows::RegQueryValue(RegKey key, const std::string& name, std::string& bytes) {
  Note("RegQuery " + name);
  if (failQuery) {
    bytes = "left over";  // what a failed query leaves is not the value
    return *failQuery;
  }
  if (!open_.contains(key)) return kRegInvalidHandle;
  if (open_[key] != RegAccess::Read) return kRegAccessDenied;
  const auto it = values.find(name);
  if (it == values.end()) return kRegNotFound;
  bytes = it->second;
  return kRegOk;
}

long StandInWindows::RegSetValue(RegKey key, const std::string& name, std::string_view bytes) {
  Note("RegSet " + name);
  if (failSet) return *failSet;
  if (!open_.contains(key)) return kRegInvalidHandle;
  if (open_[key] != RegAccess::SetValue) return kRegAccessDenied;
  values[name] = std::string(bytes);
  return kRegOk;
}

long StandInWindows::RegCloseKey(RegKey key) {
  if (failClose) return *failClose;
  return open_.erase(key) ? kRegOk : kRegInvalidHandle;
}

std::string StandInWindows::ToAnsi(const std::string& utf8) {
  std::string out;
  for (char32_t cp : Utf8ToCodePoints(utf8)) {
    const std::optional<std::string> b = Utf8ToCp1253(CodePointsToUtf8(std::u32string(1, cp)));
    out += b ? *b : "?";
  }
  return out;
}

std::string StandInWindows::FromAnsi(const std::string& ansi) {
  return Cp1253ToUtf8(ansi);
}

void StandInWindows::ShellExecute(const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& directory,
                                  int showMode) {
  shell.push_back({verb, file, parameters, directory, showMode});
}

void StandInWindows::StartProgram(const std::string& path, const std::string& arguments,
                                  int showMode) {
  started.push_back({path, arguments, showMode});
}

int StandInWindows::MessageBox(const std::string& prompt, int style, const std::string& title,
                               const std::string& helpFile) {
  Note("MessageBox " + prompt);
  boxes.push_back({prompt, style, title, helpFile});
  return kIdOk;
}

}  // namespace zorvik
