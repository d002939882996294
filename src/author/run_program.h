// Running another program (xorriso) and collecting what it prints.
#pragma once

#include <string>
#include <vector>

namespace zorvik::author {

struct ProgramRun {
  bool started = false;  // false: the program couldn't be started (see `error`)
  int exitCode = -1;
  std::string output;  // standard output and standard error together
  std::string error;
};

class ProgramRunner {
 public:
  virtual ~ProgramRunner() = default;
  // The program is looked up on PATH unless it is a path.
  virtual ProgramRun Run(const std::string& program, const std::vector<std::string>& args) = 0;
};

// The command line Windows is given for a program and its arguments, each quoted as the C
// runtime splits a command line back into arguments (UTF-8).
std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& args);

// Runs programs of the host system (run_program_posix.cpp or run_program_win32.cpp).
class SystemRunner : public ProgramRunner {
 public:
  ProgramRun Run(const std::string& program, const std::vector<std::string>& args) override;
};

}  // namespace zorvik::author
