// The native controls of a form shown with them (the options dialog), one class a kind. Each
// wraps its control's messages in named calls, shows the values of the model control it stands
// for, gives the user's changes to the model, and answers its own colour messages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "win32/form_painter.h"
#include "win32/window.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

// Solid brushes of the model's colours, made once each (a form has few colours).
class Brushes {
 public:
  Brushes() = default;
  ~Brushes();
  Brushes(const Brushes&) = delete;
  Brushes& operator=(const Brushes&) = delete;

  HBRUSH Of(Color color);
  // Fills a window's client area.
  void Fill(HDC dc, HWND hwnd, Color color);

 private:
  std::vector<std::pair<Color, HBRUSH>> made_;
};

// The tool tips of a window's controls, in one tool tip control made at the first tip.
class ToolTips {
 public:
  // Gives `control` the tip `tip`, which had `before` ("" for none); an empty tip takes it away.
  void Set(HWND owner, HWND control, const std::string& tip, const std::string& before, int dpi);

 private:
  HWND hwnd_ = nullptr;
};

// A native control bound to a control of the model.
class NativeControl {
 public:
  NativeControl(Control& model, int id) : model_(model), id_(id) {}
  virtual ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  Control& Model() const { return model_; }
  HWND Handle() const { return hwnd_; }
  int Id() const { return id_; }
  // The control that `hwnd` is, or is a part of: each window of a control carries it, so that a
  // notification reaches its control without a search. Null for any other window.
  static NativeControl* Of(HWND hwnd);
  // Whether the keyboard can reach it: its messages then come to the window first.
  virtual bool TakesFocus() const { return true; }

  // The messages every control takes.
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(hwnd_, msg, wParam, lParam);
  }
  virtual void SetFont(HFONT font, bool redraw) {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
  std::wstring Text() const;
  // Equal text is left alone, which keeps the caret where the user has it.
  void SetText(const std::string& text);
  LONG_PTR Style() const { return GetWindowLongPtrW(hwnd_, GWL_STYLE); }
  void SetStyle(LONG_PTR style) { SetWindowLongPtrW(hwnd_, GWL_STYLE, style); }

  // Whether the model changed since the control last showed it.
  bool Stale() const { return stale_ || model_.Revision() != synced_; }
  void MarkStale() { stale_ = true; }
  // Shows the model's values: place, visibility, enabling, what the kind shows, and the tool tip.
  void Apply(int dpi, HWND owner, ToolTips& tips);
  // Whether a notification from the native control (its code) brings a change by the user that
  // the model hasn't heard of. TellModel then gives it to the model, run as one event.
  virtual bool UserChanged(UINT /*code*/) const { return false; }
  virtual void TellModel() {}
  // A WM_CTLCOLOR* message: the model's colours, or null for the system's.
  virtual HBRUSH Colors(HDC dc, Brushes& brushes) const;
  // A message of the control's own window before its class sees it; true when handled here.
  virtual bool OwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  // Makes the native window, `parent`'s child; a kind's constructor says which.
  void Create(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle = 0);
  void Adopt(HWND hwnd);
  // Marks a window as this control's, or a part of it.
  void Carry(HWND hwnd);
  // What the kind shows beyond place, visibility and enabling: by default its caption.
  virtual void Update();
  // The control was given a new size.
  virtual void Resized(int /*width*/, int /*height*/) {}
  // Room below the control for what it drops down.
  virtual int DropDownHeight(int /*dpi*/) const { return 0; }

 private:
  void Place(int dpi);

  Control& model_;
  int id_;
  HWND hwnd_ = nullptr;
  RECT placed_{};
  bool stale_ = true;
  std::uint64_t synced_ = 0;
  std::string toolTip_;
};

// Makes the native control of a model control whose window is `parent`'s child; null for a kind
// that shows nothing on a dialog (a timer, an image) or a container (see NativePanel).
std::unique_ptr<NativeControl> MakeNativeControl(Control& model, int id, HWND parent,
                                                 Brushes& brushes);

class NativeLabel : public NativeControl {
 public:
  NativeLabel(Label& model, int id, HWND parent);
  bool TakesFocus() const override { return false; }
};

// The kinds that the system's BUTTON class draws: a click is the user's change.
class NativeButton : public NativeControl {
 public:
  NativeButton(Control& model, int id, HWND parent, DWORD style);
  bool UserChanged(UINT code) const override { return code == BN_CLICKED; }
  void SetCheck(WPARAM state) { Send(BM_SETCHECK, state); }
};

class NativeCommandButton : public NativeButton {
 public:
  NativeCommandButton(CommandButton& model, int id, HWND parent);
  // The button that Enter presses has the thick border of a default button.
  void MarkDefault(bool isDefault);
  void TellModel() override { Model().RaiseClick(); }
};

class NativeCheckBox : public NativeButton {
 public:
  NativeCheckBox(CheckBox& model, int id, HWND parent);
  void TellModel() override;

 private:
  void Update() override;
};

class NativeOptionButton : public NativeButton {
 public:
  NativeOptionButton(OptionButton& model, int id, HWND parent);
  void TellModel() override;

 private:
  void Update() override;
};

class NativeTextBox : public NativeControl {
 public:
  NativeTextBox(TextBox& model, int id, HWND parent);
  bool UserChanged(UINT code) const override;
  void TellModel() override;
};

class NativeComboBox : public NativeControl {
 public:
  NativeComboBox(ComboBox& model, int id, HWND parent);
  void ResetContent() { Send(CB_RESETCONTENT); }
  void AddString(const std::string& entry);
  int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetCurSel(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  bool UserChanged(UINT code) const override;
  void TellModel() override;
  // The list keeps the system's colours.
  HBRUSH Colors(HDC, Brushes&) const override { return nullptr; }

 private:
  void Update() override;
  int DropDownHeight(int dpi) const override;
  std::vector<std::string> list_;
};

class NativeTabStrip : public NativeControl {
 public:
  NativeTabStrip(TabStrip& model, int id, HWND parent, Brushes& brushes);
  void DeleteAllItems() { Send(TCM_DELETEALLITEMS); }
  void InsertItem(int index, const std::string& caption);
  int CurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
  void SetCurSel(int index) { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }
  bool UserChanged(UINT code) const override;
  void TellModel() override;
  bool OwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Update() override;
  void Paint();
  Brushes& brushes_;
  BackBuffer buffer_;
  std::vector<Tab> tabs_;
};

// A page or frame: a window of the dialog's that holds the controls placed in it. A frame has a
// group box too, made after its controls so that it lies under them.
class NativePanel : public NativeControl {
 public:
  NativePanel(Control& model, int id, std::unique_ptr<Window> window);
  bool TakesFocus() const override { return false; }
  void SetFont(HFONT font, bool redraw) override;
  // Gives a frame its group box, once its controls are made.
  void AddGroupBox(HFONT font);

 private:
  void Update() override;
  void Resized(int width, int height) override;
  std::unique_ptr<Window> window_;
  HWND groupBox_ = nullptr;
};

}  // namespace zorvik::win32
