// Zorvik.exe: the windows of the launcher on top of its portable core.
#include <cstdlib>
#include <exception>

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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
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
