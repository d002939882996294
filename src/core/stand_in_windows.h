// A Windows held in memory, for what runs the launcher's code without a real one (the unit tests
// and the authors' tool): the player's registry key, a Greek system's code page, and a record of
// the shell requests, program starts and message boxes, none of them carried out. What stands in
// for the files and folders is each one's own.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

namespace zorvik {

struct ShellRequest {
  std::string verb, file, parameters, directory;
  int show = 0;
};

struct ProgramStart {
  std::string path, arguments;
  int show = 0;
};

struct MessageBoxCall {
  std::string prompt;
  int style = 0;
  std::string title;
  std::string helpFile;
};

class StandInWindows : public Platform {
 public:
  // The player's key under the current user, and its values as raw bytes by name.
  bool keyExists = true;
  std::map<std::string, std::string> values;
  void SetRegString(const std::string& name, const std::string& text) {
    values[name] = ToAnsi(text) + '\0';
  }
  // Failures to inject: the status the call gives instead of doing anything.
  std::optional<long> failOpen, failQuery, failSet, failClose;
  size_t OpenKeys() const { return open_.size(); }

  std::vector<ShellRequest> shell;
  std::vector<ProgramStart> started;
  std::vector<MessageBoxCall> boxes;

  long RegOpenPlayerKey(RegAccess access, RegKey& key) override;
  long RegQueryValue(RegKey key, const std::string& name, std::string& bytes) override;
  long RegSetValue(RegKey key, const std::string& name, std::string_view bytes) override;
  long RegCloseKey(RegKey key) override;
  // A Greek system: Windows-1253, and a question mark for a character outside it.
  std::string ToAnsi(const std::string& utf8) override;
  std::string FromAnsi(const std::string& ansi) override;
  void ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int showMode) override;
  void StartProgram(const std::string& path, const std::string& arguments, int showMode) override;
  // Every box is answered with OK.
  int MessageBox(const std::string& prompt, int style, const std::string& title,
                 const std::string& helpFile) override;

 protected:
  // Hears each registry query and change and each message box, as "Operation argument".
  virtual void Note(const std::string&) {}

 private:
  std::map<RegKey, RegAccess> open_;
  RegKey nextKey_ = 1;
};

}  // namespace zorvik
