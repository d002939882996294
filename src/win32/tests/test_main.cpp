#include <cstdio>
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

int main() {
  using namespace zorvik::win32::test;
  OleInitialize(nullptr);
  // As the program does before it makes its first options window.
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  int broken = 0;
  for (const Case& c : Cases()) {
    const int before = failures;
    c.body();
    const bool ok = failures == before;
    broken += ok ? 0 : 1;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", c.name);
  }
  std::printf("%zu tests, %d failed\n", Cases().size(), broken);
  OleUninitialize();
  return broken == 0 ? 0 : 1;
}
