// Drives the real program as a person would: finds its windows by their captions, moves and
// clicks the mouse with SendInput, types keys, reads message boxes and dialog controls. One
// command per run; the scenarios in tests/e2e/run chain them.
//
//   driver wait <title> [seconds]            wait for a visible window, print its client size
//   driver gone <title> [seconds]            wait until no such window is left
//   driver answers <title> [seconds]         fail unless the window's thread takes a message
//   driver close <title>                     the title bar's close box (its system command)
//   driver move <title> <place>              pointer to a place: a client point in twips
//                                            "<x> <y>", or a picture button by the name a
//                                            screen reader finds, "<name>[@<x%>,<y%>]": the
//                                            point that far into it, by default 10% from its
//                                            left and top, on its picture clear of its caption
//                                            and icon
//   driver click <title> <place> [right]     press and release there
//   driver press <title> <place>             press only; `release` lets go wherever it is
//   driver release <title> <place>
//   driver keys <title> <key>...             F10 Down Up Left Right Enter Esc Tab Space,
//                                            a letter or digit, with modifiers (ctrl+tab,
//                                            shift+tab, alt+v), or text:<characters>
//   driver box [seconds]                     wait for a message box, print "title|text|buttons",
//                                            then press its first button
//   driver button <title> <caption>          click a dialog's button, check box or option
//   driver state <title> <caption>           print a check box's or option's state (0, 1, 2)
//   driver enabled <title> <caption>         print 1 if the control is enabled, else 0
//   driver text <title> <index>              print the text of the index-th edit box
//   driver windows                           print the title of each visible top window, a line
//                                            each
//   driver size <title>                      print the outer size of a window in pixels
//   driver rect <title>                      print its place on the screen: x y width height
//   driver pixel <title> <x> <y>             print the colour shown at a client point (twips)
//                                            as "red green blue"
//   driver accessible <title>                print what a screen reader finds in the window's
//                                            client area: a line "name|role|state|action" each
//   driver do <title> <name>                 the default action of the element of that name
//   driver menu <text>...                    print "shown: <text>" or "not shown: <text>" for
//                                            each, as the open menu draws it; exit status 1
//                                            when one isn't shown. Entries that aren't checked.
// Arguments and output are UTF-8, so Greek captions work.
#include <windows.h>
// windows.h first: these depend on it.
#include <oleacc.h>

#include <cctype>
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

BOOL CALLBACK Collect(HWND h, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
  return TRUE;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<HWND> ChildrenOf(HWND h) {
  std::vector<HWND> all;
  EnumChildWindows(h, Collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

// Asks find() every 100 ms until it gives something or the seconds are over.
template <class Find>
auto WaitFor(double seconds, Find find) {
  const DWORD start = GetTickCount();
  auto found = find();
  for (; !found && GetTickCount() - start < seconds * 1000; found = find())
    Sleep(100);
  return found;
}

HWND FindTopWindow(const std::wstring& title) {
  for (HWND h : TopWindows()) {
    if (IsWindowVisible(h) && TextOf(h) == title) return h;
  }
  return nullptr;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "driver: %s\n", what.c_str());
  std::exit(1);
}

HWND Need(const char* title, double seconds = 10) {
  HWND h = WaitFor(seconds, [w = Widen(title)] { return FindTopWindow(w); });
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

// A key going down or up: a virtual key, or with vk 0 a character as it is.
void SendKey(WORD vk, bool up, wchar_t c = 0) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = c;
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (c ? KEYEVENTF_UNICODE : 0);
  SendInput(1, &in, sizeof in);
  Sleep(40);
}

void Tap(WORD vk, wchar_t c = 0) {
  SendKey(vk, false, c);
  SendKey(vk, true, c);
}

WORD KeyCode(const std::string& k) {
  static const struct {
    const char* name;
    WORD vk;
  } keys[] = {{"F1", VK_F1},     {"F10", VK_F10},     {"Down", VK_DOWN},    {"Up", VK_UP},
              {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
              {"Tab", VK_TAB},   {"Space", VK_SPACE}, {"Alt", VK_MENU}};
  for (const auto& key : keys) {
    if (k == key.name || (k == "tab" && key.vk == VK_TAB)) return key.vk;
  }
  // A letter or a digit is its own key code.
  if (k.size() == 1 && std::isalnum(static_cast<unsigned char>(k[0])))
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(k[0])));
  Fail("unknown key " + k);
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
HWND FindBox() {
  for (HWND h : TopWindows()) {
    if (!IsWindowVisible(h) || ClassOf(h) != L"#32770") continue;
    for (HWND c : ChildrenOf(h)) {
      if (ClassOf(c) == L"Static" && !TextOf(c).empty()) return h;
    }
  }
  return nullptr;
}

std::string Take(BSTR text) {
  std::string out = text ? Narrow(text) : "";
  SysFreeString(text);
  return out;
}

// Each element of the client area, with its child id and name, as a screen reader finds them
// from another process.
template <class Each>
void ForEachElement(HWND h, Each each) {
  IAccessible* client = nullptr;
  const HRESULT hr = AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT),
                                                IID_IAccessible, reinterpret_cast<void**>(&client));
  if (FAILED(hr) || !client) Fail("no accessible object (" + std::to_string(hr) + ")");
  long count = 0;
  client->get_accChildCount(&count);
  for (long id = 1; id <= count; ++id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    BSTR name = nullptr;
    client->get_accName(child, &name);
    each(*client, child, Take(name));
  }
  client->Release();
}

bool IsNumber(const char* s) {
  char* end = nullptr;
  std::strtol(s, &end, 10);
  return *s && !*end;
}

// The screen point of a place given from argv[at]; `at` moves past it.
POINT PlaceOf(HWND h, int argc, char** argv, int& at) {
  if (at >= argc) Fail("missing place");
  if (at + 1 < argc && IsNumber(argv[at]) && IsNumber(argv[at + 1])) {
    const POINT p = ScreenPoint(h, std::atoi(argv[at]), std::atoi(argv[at + 1]));
    at += 2;
    return p;
  }
  std::string name = argv[at++];
  int fx = 10, fy = 10;
  if (const size_t sign = name.rfind('@'); sign != std::string::npos) {
    if (std::sscanf(name.c_str() + sign + 1, "%d,%d", &fx, &fy) != 2) Fail("bad place " + name);
    name.resize(sign);
  }
  bool found = false;
  POINT p{};
  ForEachElement(h, [&](IAccessible& client, VARIANT child, const std::string& each) {
    long left = 0, top = 0, width = 0, height = 0;
    if (found || each != name || FAILED(client.accLocation(&left, &top, &width, &height, child))) {
      return;
    }
    p = {left + MulDiv(width, fx, 100), top + MulDiv(height, fy, 100)};
    found = true;
  });
  if (!found) Fail("nothing named \"" + name + "\"");
  return p;
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

// Reading an open menu the way a person does: by its pixels. Another process can't ask Wine for
// a program's menu entries, but it can see the open menu on the screen. Each text is drawn as
// menus draw their entries (the system's menu font, in the menu's colours) and looked for,
// exactly those pixels, in the open menu.
struct Image {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;
  DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};

// Draws into a 32-bit top-down DIB and copies its pixels out.
template <class Paint>
Image Capture(int width, int height, Paint paint) {
  Image image;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return image;
  HGDIOBJ old = SelectObject(dc, dib);
  paint(dc);
  GdiFlush();
  image.width = width;
  image.height = height;
  const DWORD* p = static_cast<const DWORD*>(bits);
  image.pixels.assign(p, p + static_cast<size_t>(width) * height);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  return image;
}

HWND OpenMenu() {
  for (HWND h = FindWindowW(L"#32768", nullptr); h;
       h = FindWindowExW(nullptr, h, L"#32768", nullptr)) {
    if (IsWindowVisible(h)) return h;
  }
  return nullptr;
}

// The text as a menu entry draws it, cut to the pixels that differ from the background, with
// background either side so that a text is found whole and not inside a longer one (an entry's
// check mark lies nearer than that: a checked entry's text isn't found).
constexpr int kLeftMargin = 8;
constexpr int kRightMargin = 3;

Image Glyphs(const std::wstring& text, HFONT font, COLORREF ink, COLORREF paper) {
  const Image drawn = Capture(1000, 60, [&](HDC dc) {
    HBRUSH brush = CreateSolidBrush(paper);
    RECT all{0, 0, 1000, 60};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, font);
    SetTextColor(dc, ink);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
  });
  const DWORD background = drawn.At(0, 0);
  int left = drawn.width, top = drawn.height, right = -1, bottom = -1;
  for (int y = 0; y < drawn.height; ++y) {
    for (int x = 0; x < drawn.width; ++x) {
      if (drawn.At(x, y) == background) continue;
      if (x < left) left = x;
      if (x > right) right = x;
      if (y < top) top = y;
      if (y > bottom) bottom = y;
    }
  }
  Image out;
  if (right < 0) return out;
  left -= kLeftMargin;
  right += kRightMargin;
  out.width = right - left + 1;
  out.height = bottom - top + 1;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x)
      out.pixels.push_back(drawn.At(x, y));
  }
  return out;
}

bool Contains(const Image& screen, const Image& glyphs) {
  if (glyphs.width == 0) return false;
  for (int y = 0; y + glyphs.height <= screen.height; ++y) {
    for (int x = 0; x + glyphs.width <= screen.width; ++x) {
      bool same = true;
      for (int gy = 0; same && gy < glyphs.height; ++gy) {
        for (int gx = 0; same && gx < glyphs.width; ++gx)
          same = screen.At(x + gx, y + gy) == glyphs.At(gx, gy);
      }
      if (same) return true;
    }
  }
  return false;
}

// Prints for each text whether the open menu shows it; the number of those it doesn't.
int ShowMenuTexts(int count, char** texts) {
  HWND menu = WaitFor(3, OpenMenu);
  if (!menu) Fail("no menu is open");
  Sleep(300);  // let it finish drawing
  RECT r;
  GetWindowRect(menu, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const Image screen = Capture(w, h, [&](HDC dc) {
    HDC desktop = GetDC(nullptr);
    BitBlt(dc, 0, 0, w, h, desktop, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
  });
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  const COLORREF looks[][2] = {{GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_MENU)},
                               {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)},
                               {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_MENUHILIGHT)}};
  int missing = 0;
  for (int i = 0; i < count; ++i) {
    bool shown = false;
    for (const auto& look : looks)
      shown = shown || Contains(screen, Glyphs(Widen(texts[i]), font, look[0], look[1]));
    std::printf("%s: %s\n", shown ? "shown" : "not shown", texts[i]);
    missing += !shown;
  }
  DeleteObject(font);
  return missing;
}

int Run(int argc, char** argv) {
  if (argc < 2) Fail("no command");
  const std::string cmd = argv[1];
  const auto arg = [&](int i) -> const char* {
    if (i >= argc) Fail("missing argument for " + cmd);
    return argv[i];
  };
  const auto seconds = [&](int i, double dflt) { return i < argc ? std::atof(argv[i]) : dflt; };
  const auto control = [&] { return Control(Need(arg(2)), Widen(arg(3))); };

  if (cmd == "wait") {
    HWND h = Need(arg(2), seconds(3, 15));
    RECT r;
    GetClientRect(h, &r);
    std::printf("%ld %ld\n", r.right, r.bottom);
  } else if (cmd == "gone") {
    const std::wstring title = Widen(arg(2));
    if (!WaitFor(seconds(3, 10), [&] { return !FindTopWindow(title); })) Fail("window still there");
  } else if (cmd == "answers") {
    // A window whose thread is stuck doesn't take even the null message.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(Need(arg(2)), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(seconds(3, 3) * 1000), &result)) {
      Fail("the window does not answer");
    }
  } else if (cmd == "close") {
    PostMessageW(Need(arg(2)), WM_SYSCOMMAND, SC_CLOSE, 0);
    Sleep(400);
  } else if (cmd == "windows") {
    for (HWND h : TopWindows()) {
      if (IsWindowVisible(h)) std::printf("%s\n", Narrow(TextOf(h)).c_str());
    }
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
    int at = 3;
    const POINT p = PlaceOf(h, argc, argv, at);
    const bool right = at < argc && std::string(argv[at]) == "right";
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
          Tap(0, c);
      } else if (const size_t plus = k.rfind('+'); plus != std::string::npos && plus > 0) {
        // Modifiers held round one key: ctrl+tab, shift+tab, alt+v.
        std::vector<WORD> held;
        for (size_t at = 0; at < plus;) {
          const size_t end = k.find('+', at);
          const std::string m = k.substr(at, end - at);
          held.push_back(m == "ctrl" ? VK_CONTROL : m == "shift" ? VK_SHIFT : VK_MENU);
          at = end + 1;
        }
        for (WORD m : held)
          SendKey(m, false);
        Tap(KeyCode(k.substr(plus + 1)));
        for (auto m = held.rbegin(); m != held.rend(); ++m)
          SendKey(*m, true);
      } else {
        Tap(KeyCode(k));
      }
      Sleep(120);
    }
    Sleep(300);
  } else if (cmd == "box") {
    HWND box = WaitFor(seconds(2, 10), FindBox);
    if (!box) Fail("no message box");
    Sleep(200);
    std::wstring text, buttons;
    HWND first = nullptr;
    for (HWND c : ChildrenOf(box)) {
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
    std::printf("%s|%s|%s\n", Narrow(TextOf(box)).c_str(), Narrow(text).c_str(),
                Narrow(buttons).c_str());
    std::fflush(stdout);
    if (first) PostMessageW(first, BM_CLICK, 0, 0);
    Sleep(300);
  } else if (cmd == "button") {
    PostMessageW(control(), BM_CLICK, 0, 0);
    Sleep(400);
  } else if (cmd == "state") {
    std::printf("%ld\n", static_cast<long>(SendMessageW(control(), BM_GETCHECK, 0, 0)));
  } else if (cmd == "enabled") {
    std::printf("%d\n", IsWindowEnabled(control()) ? 1 : 0);
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
    ForEachElement(Need(arg(2)), [](IAccessible& client, VARIANT child, const std::string& name) {
      BSTR action = nullptr;
      VARIANT role, state;
      VariantInit(&role);
      VariantInit(&state);
      client.get_accRole(child, &role);
      client.get_accState(child, &state);
      client.get_accDefaultAction(child, &action);
      std::printf("%s|%s|%s|%s\n", name.c_str(),
                  role.vt == VT_I4 ? RoleName(role.lVal).c_str() : "?",
                  state.vt == VT_I4 ? StateNames(state.lVal).c_str() : "?", Take(action).c_str());
    });
  } else if (cmd == "do") {
    bool done = false;
    ForEachElement(Need(arg(2)), [&](IAccessible& client, VARIANT child, const std::string& name) {
      if (done || name != arg(3)) return;
      const HRESULT hr = client.accDoDefaultAction(child);
      if (FAILED(hr)) Fail("the default action failed (" + std::to_string(hr) + ")");
      done = true;
    });
    if (!done) Fail(std::string("nothing named \"") + arg(3) + "\"");
    Sleep(300);
  } else if (cmd == "pixel") {
    HWND h = Need(arg(2));
    const POINT p = ScreenPoint(h, std::atoi(arg(3)), std::atoi(arg(4)));
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    std::printf("%d %d %d\n", GetRValue(c), GetGValue(c), GetBValue(c));
  } else if (cmd == "menu") {
    return ShowMenuTexts(argc - 2, argv + 2) ? 1 : 0;
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
