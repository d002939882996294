// zorvik-disc's entry point: arguments and environment as UTF-8, the tool's own folder.
#include <cstdlib>
#include <iostream>

#include "author/host_folder.h"
#include "author/tool.h"

#ifdef _WIN32
#include <windows.h>

namespace {

std::string Utf8(const wchar_t* w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
  return s;
}

std::optional<std::string> Environment(const std::string& name) {
  const std::wstring wide(name.begin(), name.end());
  const wchar_t* v = _wgetenv(wide.c_str());
  if (!v || !*v) return std::nullopt;
  return Utf8(v);
}

std::filesystem::path ToolFolder() {
  std::wstring path(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  return std::filesystem::path(path).parent_path();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i)
    args.push_back(Utf8(argv[i]));
  zorvik::author::SystemRunner runner;
  zorvik::author::ToolHost host{Environment, ToolFolder(), &runner, true};
  return zorvik::author::RunTool(args, std::cout, std::cerr, host);
}

#else

namespace {

std::optional<std::string> Environment(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  if (!v || !*v) return std::nullopt;
  return std::string(v);
}

std::filesystem::path ToolFolder() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  zorvik::author::SystemRunner runner;
  zorvik::author::ToolHost host{Environment, ToolFolder(), &runner, false};
  return zorvik::author::RunTool(args, std::cout, std::cerr, host);
}

#endif
