#include "win32/menu_bar.h"

#include <algorithm>

#include "win32/unicode.h"

namespace zorvik::win32 {

namespace {

constexpr UINT kFirstCommand = 1000;

void Collect(const std::vector<MenuItem*>& entries, std::vector<MenuItem*>& out) {
  for (MenuItem* m : entries) {
    out.push_back(m);
    Collect(m->Children(), out);
  }
}

}  // namespace

MenuBar::MenuBar(const Form& form) : form_(form) {
  Collect(form.MenuBar(), items_);
}

std::uint64_t MenuBar::LatestRevision() const {
  std::uint64_t latest = 0;
  for (const MenuItem* m : items_) {
    latest = std::max(latest, m->Revision());
  }
  return latest;
}

UINT MenuBar::CommandOf(const MenuItem* item) const {
  const auto at = std::find(items_.begin(), items_.end(), item);
  return kFirstCommand + static_cast<UINT>(at - items_.begin());
}

MenuItem* MenuBar::ItemOf(UINT command) const {
  if (command < kFirstCommand || command - kFirstCommand >= items_.size()) return nullptr;
  return items_[command - kFirstCommand];
}

HMENU MenuBar::Build(const std::vector<MenuItem*>& entries, bool bar) const {
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  for (const MenuItem* m : entries) {
    if (!m->Visible()) continue;
    const std::wstring caption = Widen(m->Caption());
    UINT flags = MF_STRING | (m->Enabled() ? MF_ENABLED : MF_GRAYED) |
                 (m->Checked() ? MF_CHECKED : MF_UNCHECKED);
    UINT_PTR id = CommandOf(m);
    if (!m->Children().empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(Build(m->Children(), false));
    }
    AppendMenuW(menu, flags, id, caption.c_str());
  }
  return menu;
}

void MenuBar::Sync(HWND window) {
  if (form_.MenuBar().empty()) return;
  const std::uint64_t latest = LatestRevision();
  if (hasBuilt_ && latest == built_) return;
  HMENU old = GetMenu(window);
  SetMenu(window, Build(form_.MenuBar(), true));
  if (old) DestroyMenu(old);
  DrawMenuBar(window);
  built_ = latest;
  hasBuilt_ = true;
}

}  // namespace zorvik::win32
