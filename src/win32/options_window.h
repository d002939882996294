// A form shown with native controls (the options dialog): each control of the form has a native
// one bound to it (see native_controls.h). Native notifications go to the model, and model
// changes come back on Sync.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/form.h"
#include "win32/native_controls.h"
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

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT ControlMessage(UINT_PTR id, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Messages that the dialog and its pages and frames handle alike; false when not handled.
  bool ContainerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The dialog's messages.
  bool OnEraseBackground(HDC dc);
  void OnClose();
  bool OnActivate(WORD state);
  void OnDpiChanged(int dpi, const RECT& suggested);
  // Its controls', sent to it or to a page or frame.
  void OnCommand(HWND from, WORD id, WORD code);
  bool OnNotify(const NMHDR& header);
  HBRUSH OnControlColor(HWND control, HDC dc);
  // A control's own, before the control's class sees them.
  void OnControlFocus(NativeControl& c);
  void OnControlClick(NativeControl& c);

  void CreateChildren(const Control* container, HWND parent);
  void AddPanel(Control& model, HWND parent);
  void SyncOnce();
  void ApplySize();
  void Notified(NativeControl& c, UINT code);
  // The focus to where the form has it, or else to `instead`, or else to the first control.
  void FocusFirst(const Control* instead = nullptr);
  void KeepFocusInside();
  void MarkEnterButton();
  NativeControl* ControlOf(HWND hwnd) const;
  HWND NativeOf(const Control* c) const;

  Views& views_;
  Form& form_;
  std::function<void()> onClose_;
  Brushes brushes_;
  ToolTips toolTips_;
  std::vector<std::unique_ptr<NativeControl>> controls_;
  // Each model control's native one, for the model's focus and the default button.
  std::map<const Control*, NativeControl*> natives_;
  int nextId_;
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
