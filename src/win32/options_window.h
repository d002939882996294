// A form shown with native controls (the options dialog): each control of the form has a native
// one bound to it. Native notifications go to the model, and model changes come back on Sync.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/form.h"
#include "win32/window.h"

namespace zorvik::win32 {

class Views;

class OptionsWindow : public Window {
 public:
  static constexpr const wchar_t* kClassName = L"ZorvikOptions";
  static constexpr const wchar_t* kPanelClassName = L"ZorvikPanel";

  OptionsWindow(Views& views, Form& form, HWND owner, std::function<void()> onClose);
  ~OptionsWindow() override;
  Form& Model() const { return form_; }
  // Brings the native controls up to date with the form.
  void Sync();
  // Destroys the window; the form is not touched again.
  void Close();
  // Keys aimed at this window: the form sees them first, then dialog navigation. True when the
  // message needs no further handling.
  bool PreTranslate(MSG& msg);

 private:
  class Panel;
  struct Bound;

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Messages that the dialog and its containers handle alike.
  bool ChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT ControlMessage(UINT_PTR index, HWND hwnd, UINT msg, WPARAM wParam,
                         LPARAM lParam) override;

  void CreateChildren(const Control* container, HWND parent);
  void SyncOnce();
  void Apply(Bound& b);
  void ApplyGeometry(Bound& b);
  void ApplyToolTip(Bound& b);
  void ApplySize();
  void PaintTabStrip(HWND hwnd);
  void Command(Bound& b, UINT code);
  void TabChanged(Bound& b);
  void GainedFocus(Bound& b);
  void Clicked(Bound& b);
  void FocusFirst();
  void MarkEnterButton();
  void EraseWith(HDC dc, HWND hwnd, Color color);
  HBRUSH Brush(Color color);
  Bound* BoundOf(HWND hwnd) const;
  HWND NativeOf(const Control* c) const;

  Views& views_;
  Form& form_;
  std::function<void()> onClose_;
  std::vector<std::unique_ptr<Bound>> bound_;
  std::map<Color, HBRUSH> brushes_;
  HWND toolTip_ = nullptr;
  int dpi_ = 96;
  bool alive_ = true;
  bool syncing_ = false;
  std::string caption_;
  Twips innerWidth_ = 0, innerHeight_ = 0;
  const Control* syncedFocus_ = nullptr;
  // A control that the form refused the focus to (its Validate kept it elsewhere): the click
  // that came with the attempt must not act.
  const Control* refused_ = nullptr;
  HWND pressedIn_ = nullptr;
};

}  // namespace zorvik::win32
