// A window of the program as data: its controls, their stacking order, the menu bar, the focus,
// and the routing of raw mouse input to the windowless controls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/controls.h"

namespace zorvik {

class Launcher;

// Key codes and modifier bits of key events (the values Windows uses).
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyF1 = 112;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

class Form {
 public:
  Form(Launcher& launcher, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Launcher& Owner() const { return launcher_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { Set(caption_, v); }
  // Outer size in twips, frame and bars included.
  Twips Width() const { return width_; }
  Twips Height() const { return height_; }
  void SetWidth(Twips v) { Set(width_, v); }
  void SetHeight(Twips v) { Set(height_, v); }
  // The designed inner area; windows whose outer size is not set are made to fit it.
  Twips InnerWidth() const { return innerWidth_; }
  Twips InnerHeight() const { return innerHeight_; }
  void SetInnerSize(Twips w, Twips h) {
    Set(innerWidth_, w);
    Set(innerHeight_, h);
  }
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c) { Set(backColor_, c); }
  bool Visible() const { return visible_; }
  void Show() { Set(visible_, true); }
  void Hide() { Set(visible_, false); }

  // Every control, in the order they were made.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The controls directly inside `container` (null: the form), topmost first.
  std::vector<Control*> ChildrenOf(const Control* container) const;
  const std::vector<MenuItem*>& MenuBar() const { return menuBar_; }

  // Raw mouse input from the front end, in twips from the top left of the inner area. Events go to
  // the topmost visible and enabled control under the pointer; after a press, that control gets
  // the moves and the release until the button is let go. A release over the pressed control
  // with the left button is also a Click.
  void MouseDown(MouseButton button, int shift, Twips x, Twips y);
  void MouseMove(int shift, Twips x, Twips y);
  void MouseUp(MouseButton button, int shift, Twips x, Twips y);
  // The pointer left the window: to the controls that is a move over the form's background.
  // During a press the pressed control keeps the mouse, and nothing happens.
  void MouseLeave();
  // The control that would receive an event at this point; null means the form itself.
  Control* HitTest(Twips x, Twips y) const;
  // The pointer to show at this point.
  MousePointer PointerAt(Twips x, Twips y) const;
  // Position of a control's top left corner in the form's inner area.
  void FormPosition(const Control& c, Twips& x, Twips& y) const;

  // Focus. Moving it away from a control asks its Validate first, which may keep the focus where
  // it is; then LostFocus of the old and GotFocus of the new control run. Returns whether it moved.
  Control* Focused() const { return focused_; }
  bool MoveFocus(Control* to);
  // Whether the focus may rest on a control: a kind that takes it, shown and enabled, in
  // containers that are all shown and enabled. Keys must never reach anything else.
  bool CanFocus(const Control& c) const;
  // The first control in the container (null: the whole form), in the Tab order, that can take
  // the focus; null when there is none.
  Control* FirstFocusable(const Control* container) const;

  // A key press, seen by the form before the focused control.
  void KeyDown(int keyCode, int shift);
  // The button marked as the default one, whatever has the focus.
  CommandButton* DefaultButton() const;
  // The button that Enter presses: the focused command button, otherwise the default one; null
  // when there is none.
  CommandButton* EnterButton() const;
  // Enter, as a click on that button would be: the focus moves to it first, which the focused
  // control's Validate may refuse. A disabled or hidden button is not pressed.
  void PressEnter();
  // Escape: the cancel button's Click, while it is enabled and shown. The focus stays, so no
  // Validate can keep the window from closing.
  void PressEscape();

  // Handlers of the form's own events.
  std::function<void(const MouseArgs&)> onMouseMove;
  std::function<void(int keyCode, int shift)> onKeyDown;

  // Change tracking for views: every change of the form, a control or a menu entry takes a new
  // number from this counter.
  std::uint64_t Revision() const { return revision_; }
  std::uint64_t NextRevision() { return ++revision_; }

  // Whether handlers may run (not once the program is ending).
  bool HandlersAllowed() const;

  void Register(Control* c) {
    controls_.push_back(c);
    stacking_.push_back(c);
  }
  void RegisterMenu(MenuItem* m) { menuBar_.push_back(m); }

 protected:
  // Stacking order inside one container, topmost first. Containers are drawn over the windowless
  // controls of the container that holds them, whatever this order says.
  void SetZOrder(Control* container, std::vector<Control*> topFirst);

 private:
  template <class T>
  void Set(T& field, const T& value) {
    if (Changed(field, value)) NextRevision();
  }
  Control* HitIn(const Control* container, Twips x, Twips y) const;
  void Deliver(Control* target, void (Control::*raise)(const MouseArgs&), MouseButton button,
               int shift, Twips x, Twips y);

  Launcher& launcher_;
  std::string name_;
  std::string caption_;
  Twips width_ = 0, height_ = 0;
  Twips innerWidth_ = 0, innerHeight_ = 0;
  Color backColor_ = SystemColor(syscolor::kButtonFace);
  bool visible_ = false;
  std::vector<Control*> controls_;
  std::vector<Control*> stacking_;  // topmost first within each container
  std::vector<MenuItem*> menuBar_;
  Control* focused_ = nullptr;
  bool pressed_ = false;
  Control* capture_ = nullptr;  // valid while pressed_; null means the form has it
  std::uint64_t revision_ = 0;
};

}  // namespace zorvik
