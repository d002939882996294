// The native menu bar of a form, built from the model's menu tree. Any change of an entry
// rebuilds it whole: the tree is small, and a hidden entry must vanish, not grey out.
#pragma once

#include <cstdint>
#include <vector>

#include "core/form.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

class MenuBar {
 public:
  explicit MenuBar(const Form& form);
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // Puts the model's menus on the window when they changed since the last time.
  void Sync(HWND window);
  // The entry behind a menu command, or null.
  MenuItem* ItemOf(UINT command) const;

 private:
  HMENU Build(const std::vector<MenuItem*>& entries, bool bar) const;
  std::uint64_t LatestRevision() const;
  UINT CommandOf(const MenuItem* item) const;

  const Form& form_;
  std::vector<MenuItem*> items_;  // every entry, the command number is kFirstCommand + index
  std::uint64_t built_ = 0;
  bool hasBuilt_ = false;
};

}  // namespace zorvik::win32
