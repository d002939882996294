#include <cstdio>
#include <string>
#include <vector>

#include "win32/tests/check.h"
#include "win32/windows_api.h"

namespace zorvik::win32::test {

namespace {

struct Case {
  const char* name;
  std::function<void()> body;
};

std::vector<Case>& Cases() {
  static std::vector<Case> cases;
  return cases;
}

int failures = 0;

}  // namespace

void Register(const char* name, std::function<void()> body) {
  Cases().push_back({name, std::move(body)});
}

void Fail(const char* file, int line, const std::string& what) {
  ++failures;
  std::printf("  FAILED %s:%d: %s\n", file, line, what.c_str());
}

}  // namespace zorvik::win32::test

// With an argument, only the checks whose names contain it run.
int main(int argc, char** argv) {
  using namespace zorvik::win32::test;
  const std::string only = argc > 1 ? argv[1] : "";
  OleInitialize(nullptr);
  // As the program does before it makes its first options window.
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  int broken = 0;
  size_t run = 0;
  for (const Case& c : Cases()) {
    if (std::string(c.name).find(only) == std::string::npos) continue;
    ++run;
    const int before = failures;
    c.body();
    const bool ok = failures == before;
    broken += ok ? 0 : 1;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", c.name);
  }
  std::printf("%zu tests, %d failed\n", run, broken);
  if (run == 0) std::printf("no check's name contains \"%s\"\n", only.c_str());
  OleUninitialize();
  return broken == 0 && run > 0 ? 0 : 1;
}
