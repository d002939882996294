#include "core/form.h"

#include <algorithm>

#include "core/launcher.h"

namespace zorvik {

Form::Form(Launcher& launcher, std::string name) : launcher_(launcher), name_(std::move(name)) {}

bool Form::HandlersAllowed() const {
  return !launcher_.Ending();
}

std::vector<Control*> Form::ChildrenOf(const Control* container) const {
  std::vector<Control*> out;
  for (Control* c : stacking_) {
    if (c->Container() == container) out.push_back(c);
  }
  return out;
}

void Form::SetZOrder(Control* container, std::vector<Control*> topFirst) {
  for (Control* c : topFirst)
    c->SetContainer(container);
  std::erase_if(stacking_, [&](Control* c) {
    return std::find(topFirst.begin(), topFirst.end(), c) != topFirst.end();
  });
  stacking_.insert(stacking_.end(), topFirst.begin(), topFirst.end());
}

static bool Receives(const Control* c) {
  return c->Visible() && c->Enabled() && c->Kind() != ControlKind::Timer;
}

Control* Form::HitIn(const Control* container, Twips x, Twips y) const {
  const std::vector<Control*> children = ChildrenOf(container);
  for (Control* c : children) {
    if (!c->IsContainer() || !Receives(c) || !c->Contains(x, y)) continue;
    Control* inner = HitIn(c, x - c->Left(), y - c->Top());
    return inner ? inner : c;
  }
  for (Control* c : children) {
    if (!c->IsContainer() && Receives(c) && c->Contains(x, y)) return c;
  }
  return nullptr;
}

Control* Form::HitTest(Twips x, Twips y) const {
  return HitIn(nullptr, x, y);
}

MousePointer Form::PointerAt(Twips x, Twips y) const {
  const Control* c = HitTest(x, y);
  return c ? c->Pointer() : MousePointer::Default;
}

void Form::FormPosition(const Control& c, Twips& x, Twips& y) const {
  x = 0;
  y = 0;
  for (const Control* p = &c; p; p = p->Container()) {
    x += p->Left();
    y += p->Top();
  }
}

void Form::Deliver(Control* target, void (Control::*raise)(const MouseArgs&), MouseButton button,
                   int shift, Twips x, Twips y) {
  MouseArgs a{button, shift, x, y};
  if (!target) {
    if (raise == &Control::RaiseMouseMove && onMouseMove && HandlersAllowed()) onMouseMove(a);
    return;
  }
  Twips cx, cy;
  FormPosition(*target, cx, cy);
  a.x -= cx;
  a.y -= cy;
  (target->*raise)(a);
}

void Form::MouseDown(MouseButton button, int shift, Twips x, Twips y) {
  if (pressed_) return;
  pressed_ = true;
  capture_ = HitTest(x, y);
  Deliver(capture_, &Control::RaiseMouseDown, button, shift, x, y);
}

void Form::MouseMove(int shift, Twips x, Twips y) {
  Control* target = pressed_ ? capture_ : HitTest(x, y);
  Deliver(target, &Control::RaiseMouseMove, MouseButton::Left, shift, x, y);
}

void Form::MouseUp(MouseButton button, int shift, Twips x, Twips y) {
  if (!pressed_) return;
  Control* target = capture_;
  pressed_ = false;
  capture_ = nullptr;
  Deliver(target, &Control::RaiseMouseUp, button, shift, x, y);
  if (target && button == MouseButton::Left && HitTest(x, y) == target) target->RaiseClick();
}

void Form::MouseLeave() {
  if (pressed_) return;
  Deliver(nullptr, &Control::RaiseMouseMove, MouseButton::Left, 0, -1, -1);
}

bool Form::MoveFocus(Control* to) {
  if (to == focused_) return true;
  Control* from = focused_;
  if (from && from->onValidate && HandlersAllowed()) {
    bool cancel = false;
    from->onValidate(cancel);
    if (cancel) return false;
  }
  focused_ = to;
  if (from && from->onLostFocus && HandlersAllowed()) from->onLostFocus();
  if (to && to->onGotFocus && HandlersAllowed()) to->onGotFocus();
  return true;
}

bool Form::CanFocus(const Control& c) const {
  switch (c.Kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::CommandButton:
    case ControlKind::TabStrip:
      break;
    default:
      return false;
  }
  for (const Control* p = &c; p; p = p->Container()) {
    if (!p->Visible() || !p->Enabled()) return false;
  }
  return true;
}

// The Tab order is the stacking order, each container's controls where the container stands.
Control* Form::FirstFocusable(const Control* container) const {
  for (Control* c : ChildrenOf(container)) {
    if (Control* found = c->IsContainer() ? FirstFocusable(c) : nullptr) return found;
    if (CanFocus(*c)) return c;
  }
  return nullptr;
}

void Form::KeyDown(int keyCode, int shift) {
  if (onKeyDown && HandlersAllowed()) onKeyDown(keyCode, shift);
}

CommandButton* Form::EnterButton() const {
  if (focused_ && focused_->Kind() == ControlKind::CommandButton) {
    return static_cast<CommandButton*>(focused_);
  }
  return DefaultButton();
}

CommandButton* Form::DefaultButton() const {
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Default()) {
      return static_cast<CommandButton*>(c);
    }
  }
  return nullptr;
}

void Form::PressEnter() {
  CommandButton* target = EnterButton();
  if (!target || !Receives(target) || !HandlersAllowed()) return;
  if (MoveFocus(target)) target->RaiseClick();
}

void Form::PressEscape() {
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Cancel()) {
      if (Receives(c)) c->RaiseClick();
      return;
    }
  }
}

}  // namespace zorvik
