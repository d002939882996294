// zorvik-disc's commands: init, set, show, check and iso, with their help.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "author/run_program.h"

namespace zorvik::author {

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitViewerProblem = 1;  // check: something reaches the viewer; iso: no match
inline constexpr int kExitRefused = 2;        // a wrong argument, or a file that can't be used

// What the tool takes from the system it runs on.
struct ToolHost {
  std::function<std::optional<std::string>(const std::string&)> environment;
  std::filesystem::path toolFolder;  // the folder of the running tool
  ProgramRunner* runner = nullptr;
  bool windowsBuild = false;
};

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const ToolHost& host);

}  // namespace zorvik::author
