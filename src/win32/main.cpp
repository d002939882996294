// Zorvik.exe: the windows of the launcher on top of its portable core.
#include <cstdlib>
#include <exception>
#include <new>

#include "core/launcher.h"
#include "win32/views.h"
#include "win32/win32_platform.h"

// The library's terminate handler prints the demangled type of the exception, which nobody
// sees in a windowed program, and brings some 50 KB of demangler with it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

// The library reports its own failures (a length beyond a string's, a position past its end)
// through these. Its own versions make exception classes that bring a second kind of string
// and some 40 KB with them; these make the program's own, with the same texts.
namespace std {
void __throw_bad_alloc() {
  throw bad_alloc();
}
void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}
void __throw_length_error(const char* what) {
  throw zorvik::Failure(what);
}
void __throw_logic_error(const char* what) {
  throw zorvik::Failure(what);
}
void __throw_out_of_range(const char* what) {
  throw zorvik::Failure(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
  throw zorvik::Failure(what);
}
void __throw_invalid_argument(const char* what) {
  throw zorvik::Failure(what);
}
}  // namespace std

namespace {

// The program's header asks Windows to copy the whole program into memory when it runs from a
// CD, so that a disc pulled out can't take pages of it away. Wine doesn't: it maps the parts of
// the file that start on a page (the header always) straight from the disc and reads them when
// first touched, or again once the system dropped them, and a disc gone by then ends the program.
// Writing each page once makes it the program's own copy, kept in memory or in the swap file.
void CopyImageIntoMemory(HINSTANCE instance) {
  auto* base = reinterpret_cast<unsigned char*>(instance);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  const auto copy = [&](unsigned char* start, SIZE_T size) {
    DWORD was = 0;
    if (size == 0 || !VirtualProtect(start, size, PAGE_EXECUTE_READWRITE, &was)) return;
    for (SIZE_T at = 0; at < size; at += system.dwPageSize) {
      volatile unsigned char* page = start + at;
      *page = *page;
    }
    VirtualProtect(start, size, was, &was);
  };
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  const WORD sections = nt->FileHeader.NumberOfSections;
  copy(base, nt->OptionalHeader.SizeOfHeaders);
  for (WORD i = 0; i < sections; ++i, ++section) {
    copy(base + section->VirtualAddress, section->Misc.VirtualSize);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CopyImageIntoMemory(instance);
  // DPI awareness comes from the manifest, so windows are sized for their monitor from the start.
  // The imaging component that decodes the pictures is COM; the file dialog wants OLE.
  const HRESULT ole = OleInitialize(nullptr);

  int code = 0;
  try {
    zorvik::win32::Win32Platform platform;
    zorvik::Launcher launcher(platform);
    zorvik::win32::Views views(launcher, instance);
    platform.SetHost(&views);
    views.Start();
    code = views.Run();
    platform.SetHost(nullptr);
  } catch (const std::exception& e) {
    // A failure before the windows run, or one that took them down.
    zorvik::win32::ShowUnexpectedError(e.what());
    code = 1;
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return code;
}
