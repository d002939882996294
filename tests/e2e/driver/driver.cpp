// Drives the real program as a person would: finds its windows by their captions, moves and
// clicks the mouse with SendInput, types keys, reads message boxes and dialog controls. One
// command per run; the scenarios in tests/e2e/run chain them.
//
//   driver wait <title> [seconds]            wait for a visible window, print its client size
//   driver gone <title> [seconds]            wait until no such window is left
//   driver close <title>                     the title bar's close box (its system command)
//   driver move <title> <x> <y>              pointer to a client point given in twips
//   driver click <title> <x> <y> [right]     press and release there
//   driver press <title> <x> <y>             press only; `release` lets go wherever it is
//   driver release <title> <x> <y>
//   driver keys <title> <key>...             F10 Down Up Left Right Enter Esc Tab Space,
//                                            ctrl+tab, shift+tab, or text:<characters>
//   driver point <title> <x> <y>             print where a client point given in twips is on
//                                            the screen, in pixels: "x y"
//   driver box [seconds]                     wait for a message box, print "title|text|buttons",
//                                            then press its first button
//   driver button <title> <caption>          click a dialog's button, check box or option
//   driver state <title> <caption>           print a check box's or option's state (0, 1, 2)
//   driver enabled <title> <caption>         print 1 if the control is enabled, else 0
//   driver text <title> <index>              print the text of the index-th edit box
//   driver size <title>                      print the outer size of a window in pixels
//   driver rect <title>                      print its place on the screen: x y width height
//   driver pixel <title> <x> <y>             print the colour shown at a client point (twips)
//                                            as "red green blue"
//   driver list                              print every visible window: class, title, rect
//   driver accessible <title>                print what a screen reader finds in the window's
//                                            client area: a line "name|role|state|action" each
//   driver do <title> <name>                 the default action of the element of that name
// Arguments and output are UTF-8, so Greek captions work.
#include <windows.h>
// windows.h first: these depend on it.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const char* s) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0);
  std::wstring w(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, s, -1, w.data(), n);
  return w;
}

std::string Narrow(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring TextOf(HWND h) {
  wchar_t buf[2048] = {};
  SendMessageTimeoutW(h, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  return buf;
}

std::wstring ClassOf(HWND h) {
  wchar_t buf[256] = {};
  GetClassNameW(h, buf, 256);
  return buf;
}

struct FindTop {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindTopProc(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<FindTop*>(lp);
  if (IsWindowVisible(h) && TextOf(h) == f->title) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopWindow(const std::wstring& title) {
  FindTop f{title};
  EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

HWND WaitWindow(const std::wstring& title, double seconds) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < seconds * 1000; Sleep(100)) {
    if (HWND h = FindTopWindow(title)) return h;
  }
  return nullptr;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "driver: %s\n", what.c_str());
  std::exit(1);
}

HWND Need(const char* title, double seconds = 10) {
  HWND h = WaitWindow(Widen(title), seconds);
  if (!h) Fail(std::string("no window \"") + title + "\"");
  return h;
}

// Twips of the client area to screen pixels.
POINT ScreenPoint(HWND h, int xTwips, int yTwips) {
  HDC dc = GetDC(h);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(h, dc);
  POINT p{MulDiv(xTwips, dpi, 1440), MulDiv(yTwips, dpi, 1440)};
  ClientToScreen(h, &p);
  return p;
}

void SendMouse(DWORD flags, POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  // Every event carries the position, so a press lands where the pointer is said to be.
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  Sleep(60);
}

void Foreground(HWND h) {
  SetForegroundWindow(h);
  Sleep(150);
}

void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
  Sleep(40);
}

void SendChar(wchar_t c) {
  INPUT in[2] = {};
  for (int i = 0; i < 2; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wScan = c;
    in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
  }
  SendInput(2, in, sizeof in[0]);
  Sleep(40);
}

WORD KeyCode(const std::string& k) {
  static const struct {
    const char* name;
    WORD vk;
  } keys[] = {{"F10", VK_F10},     {"Down", VK_DOWN},    {"Up", VK_UP},      {"Left", VK_LEFT},
              {"Right", VK_RIGHT}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"Tab", VK_TAB},
              {"Space", VK_SPACE}, {"Alt", VK_MENU}};
  for (const auto& key : keys) {
    if (k == key.name) return key.vk;
  }
  Fail("unknown key " + k);
}

struct Children {
  std::vector<HWND> all;
};

BOOL CALLBACK ChildProc(HWND h, LPARAM lp) {
  reinterpret_cast<Children*>(lp)->all.push_back(h);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND h) {
  Children c;
  EnumChildWindows(h, ChildProc, reinterpret_cast<LPARAM>(&c));
  return c.all;
}

// A control of a dialog by its caption; the '&' of access keys is ignored.
HWND Control(HWND dlg, const std::wstring& caption) {
  for (HWND c : ChildrenOf(dlg)) {
    std::wstring t = TextOf(c);
    std::wstring plain;
    for (wchar_t ch : t) {
      if (ch != L'&') plain += ch;
    }
    if (t == caption || plain == caption) return c;
  }
  Fail("no control \"" + Narrow(caption) + "\"");
}

// A message box: a dialog of the standard class with a static text and buttons.
struct Box {
  HWND h = nullptr;
};

BOOL CALLBACK BoxProc(HWND h, LPARAM lp) {
  if (IsWindowVisible(h) && ClassOf(h) == L"#32770") {
    for (HWND c : ChildrenOf(h)) {
      if (ClassOf(c) == L"Static" && !TextOf(c).empty()) {
        reinterpret_cast<Box*>(lp)->h = h;
        return FALSE;
      }
    }
  }
  return TRUE;
}

BOOL CALLBACK ListProc(HWND h, LPARAM) {
  if (!IsWindowVisible(h)) return TRUE;
  RECT r;
  GetWindowRect(h, &r);
  std::printf("%s \"%s\" %ld,%ld %ldx%ld\n", Narrow(ClassOf(h)).c_str(), Narrow(TextOf(h)).c_str(),
              r.left, r.top, r.right - r.left, r.bottom - r.top);
  return TRUE;
}

// The client area's accessible object, as a screen reader gets it from another process.
IAccessible* ClientObject(HWND h) {
  IAccessible* client = nullptr;
  const HRESULT hr = AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT),
                                                IID_IAccessible, reinterpret_cast<void**>(&client));
  if (FAILED(hr) || !client) Fail("no accessible object (" + std::to_string(hr) + ")");
  return client;
}

VARIANT ChildId(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string Take(BSTR text) {
  std::string out = text ? Narrow(text) : "";
  SysFreeString(text);
  return out;
}

std::string RoleName(long role) {
  wchar_t text[128] = {};
  GetRoleTextW(static_cast<DWORD>(role), text, 128);
  return Narrow(text);
}

std::string StateNames(long state) {
  std::string out;
  for (const auto& [bit, name] : {std::pair{STATE_SYSTEM_UNAVAILABLE, "unavailable"},
                                  std::pair{STATE_SYSTEM_FOCUSED, "focused"},
                                  std::pair{STATE_SYSTEM_FOCUSABLE, "focusable"}}) {
    if (state & bit) out += std::string(out.empty() ? "" : " ") + name;
  }
  return out;
}

int Run(int argc, char** argv) {
  if (argc < 2) Fail("no command");
  const std::string cmd = argv[1];
  const auto arg = [&](int i) -> const char* {
    if (i >= argc) Fail("missing argument for " + cmd);
    return argv[i];
  };
  const auto seconds = [&](int i, double dflt) { return i < argc ? std::atof(argv[i]) : dflt; };

  if (cmd == "wait") {
    HWND h = Need(arg(2), seconds(3, 15));
    RECT r;
    GetClientRect(h, &r);
    std::printf("%ld %ld\n", r.right, r.bottom);
  } else if (cmd == "gone") {
    const std::wstring title = Widen(arg(2));
    for (DWORD start = GetTickCount(); FindTopWindow(title); Sleep(100)) {
      if (GetTickCount() - start > seconds(3, 10) * 1000) Fail("window still there");
    }
  } else if (cmd == "close") {
    PostMessageW(Need(arg(2)), WM_SYSCOMMAND, SC_CLOSE, 0);
    Sleep(400);
  } else if (cmd == "size") {
    RECT r;
    GetWindowRect(Need(arg(2)), &r);
    std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
  } else if (cmd == "rect") {
    RECT r;
    GetWindowRect(Need(arg(2)), &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  } else if (cmd == "move" || cmd == "click" || cmd == "press" || cmd == "release") {
    HWND h = Need(arg(2));
    Foreground(h);
    const POINT p = ScreenPoint(h, std::atoi(arg(3)), std::atoi(arg(4)));
    const bool right = argc > 5 && std::string(argv[5]) == "right";
    SendMouse(MOUSEEVENTF_MOVE, p);
    if (cmd == "click" || cmd == "press") {
      SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, p);
    }
    if (cmd == "click" || cmd == "release") {
      SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, p);
    }
    Sleep(200);
  } else if (cmd == "keys") {
    HWND h = Need(arg(2));
    Foreground(h);
    for (int i = 3; i < argc; ++i) {
      const std::string k = argv[i];
      if (k.rfind("text:", 0) == 0) {
        for (wchar_t c : Widen(k.c_str() + 5))
          SendChar(c);
      } else if (k == "ctrl+tab" || k == "shift+tab") {
        const WORD modifier = k == "ctrl+tab" ? VK_CONTROL : VK_SHIFT;
        SendKey(modifier, false);
        SendKey(VK_TAB, false);
        SendKey(VK_TAB, true);
        SendKey(modifier, true);
      } else {
        SendKey(KeyCode(k), false);
        SendKey(KeyCode(k), true);
      }
      Sleep(120);
    }
    Sleep(300);
  } else if (cmd == "point") {
    const POINT p = ScreenPoint(Need(arg(2)), std::atoi(arg(3)), std::atoi(arg(4)));
    std::printf("%ld %ld\n", p.x, p.y);
  } else if (cmd == "box") {
    Box b;
    for (DWORD start = GetTickCount(); !b.h; Sleep(100)) {
      EnumWindows(BoxProc, reinterpret_cast<LPARAM>(&b));
      if (!b.h && GetTickCount() - start > seconds(2, 10) * 1000) Fail("no message box");
    }
    Sleep(200);
    std::wstring text, buttons;
    HWND first = nullptr;
    for (HWND c : ChildrenOf(b.h)) {
      if (ClassOf(c) == L"Static" && !TextOf(c).empty())
        text += (text.empty() ? L"" : L" ") + TextOf(c);
      if (ClassOf(c) == L"Button") {
        buttons += (buttons.empty() ? L"" : L",") + TextOf(c);
        if (!first) first = c;
      }
    }
    for (wchar_t& c : text) {
      if (c == L'\r' || c == L'\n') c = L'/';
    }
    std::printf("%s|%s|%s\n", Narrow(TextOf(b.h)).c_str(), Narrow(text).c_str(),
                Narrow(buttons).c_str());
    std::fflush(stdout);
    if (first) PostMessageW(first, BM_CLICK, 0, 0);
    Sleep(300);
  } else if (cmd == "button") {
    HWND c = Control(Need(arg(2)), Widen(arg(3)));
    PostMessageW(c, BM_CLICK, 0, 0);
    Sleep(400);
  } else if (cmd == "state") {
    std::printf("%ld\n", static_cast<long>(SendMessageW(Control(Need(arg(2)), Widen(arg(3))),
                                                        BM_GETCHECK, 0, 0)));
  } else if (cmd == "enabled") {
    std::printf("%d\n", IsWindowEnabled(Control(Need(arg(2)), Widen(arg(3)))) ? 1 : 0);
  } else if (cmd == "text") {
    int index = std::atoi(arg(3));
    for (HWND c : ChildrenOf(Need(arg(2)))) {
      if (ClassOf(c) == L"Edit" && index-- == 0) {
        std::printf("%s\n", Narrow(TextOf(c)).c_str());
        return 0;
      }
    }
    Fail("no such edit box");
  } else if (cmd == "accessible") {
    IAccessible* client = ClientObject(Need(arg(2)));
    long count = 0;
    client->get_accChildCount(&count);
    for (long id = 1; id <= count; ++id) {
      const VARIANT child = ChildId(id);
      BSTR name = nullptr, action = nullptr;
      VARIANT role, state;
      VariantInit(&role);
      VariantInit(&state);
      client->get_accName(child, &name);
      client->get_accRole(child, &role);
      client->get_accState(child, &state);
      client->get_accDefaultAction(child, &action);
      std::printf("%s|%s|%s|%s\n", Take(name).c_str(),
                  role.vt == VT_I4 ? RoleName(role.lVal).c_str() : "?",
                  state.vt == VT_I4 ? StateNames(state.lVal).c_str() : "?", Take(action).c_str());
    }
    client->Release();
  } else if (cmd == "do") {
    IAccessible* client = ClientObject(Need(arg(2)));
    long count = 0;
    client->get_accChildCount(&count);
    bool done = false;
    for (long id = 1; id <= count && !done; ++id) {
      BSTR name = nullptr;
      client->get_accName(ChildId(id), &name);
      if (Take(name) != arg(3)) continue;
      const HRESULT hr = client->accDoDefaultAction(ChildId(id));
      if (FAILED(hr)) Fail("the default action failed (" + std::to_string(hr) + ")");
      done = true;
    }
    client->Release();
    if (!done) Fail(std::string("nothing named \"") + arg(3) + "\"");
    Sleep(300);
  } else if (cmd == "pixel") {
    HWND h = Need(arg(2));
    const POINT p = ScreenPoint(h, std::atoi(arg(3)), std::atoi(arg(4)));
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    std::printf("%d %d %d\n", GetRValue(c), GetGValue(c), GetBValue(c));
  } else if (cmd == "list") {
    EnumWindows(ListProc, 0);
  } else {
    Fail("unknown command " + cmd);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetProcessDPIAware();
  CoInitialize(nullptr);
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i)
    args.push_back(Narrow(argv[i]));
  std::vector<char*> ptrs;
  for (std::string& a : args)
    ptrs.push_back(a.data());
  return Run(argc, ptrs.data());
}
