#include "core/controls.h"

#include "core/form.h"

namespace zorvik {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
  form_.Register(this);
}

std::string Control::DisplayName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::Move(Twips left, Twips top, Twips width, Twips height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

void Control::SetFontSize(double points) {
  Font f = font_;
  f.size = points;
  SetFont(f);
}

void Control::Touch() {
  revision_ = form_.NextRevision();
}

void Control::Raise(const std::function<void()>& handler) {
  if (handler && form_.HandlersAllowed()) handler();
}

void Control::RaiseMouseDown(const MouseArgs& a) {
  if (onMouseDown && form_.HandlersAllowed()) onMouseDown(a);
}
void Control::RaiseMouseUp(const MouseArgs& a) {
  if (onMouseUp && form_.HandlersAllowed()) onMouseUp(a);
}
void Control::RaiseMouseMove(const MouseArgs& a) {
  if (onMouseMove && form_.HandlersAllowed()) onMouseMove(a);
}

void CheckBox::SetValue(int v) {
  if (v == value_) return;
  value_ = v;
  Touch();
  RaiseClick();
}

void OptionButton::SetValue(bool v) {
  if (v == value_) return;
  value_ = v;
  Touch();
  if (!v) return;
  for (Control* c : Owner().ChildrenOf(Container())) {
    if (c != this && c->Kind() == ControlKind::OptionButton) {
      static_cast<OptionButton*>(c)->SetValue(false);
    }
  }
  RaiseClick();
}

void TextBox::SetText(const std::string& v) {
  if (v == Text()) return;
  SetCaption(v);
  RaiseChange();
}

void ComboBox::SetListEntry(int i, const std::string& text) {
  if (i < 0 || i > ListCount()) return;
  if (i == ListCount()) {
    list_.push_back(text);
  } else if (list_[static_cast<size_t>(i)] != text) {
    list_[static_cast<size_t>(i)] = text;
    if (i == listIndex_) SetCaption(text);
  } else {
    return;
  }
  Touch();
}

bool ComboBox::SetListIndex(int i) {
  if (i < -1 || i >= ListCount()) return false;
  if (i == listIndex_) return true;
  listIndex_ = i;
  SetCaption(i < 0 ? std::string() : list_[static_cast<size_t>(i)]);
  Touch();
  RaiseClick();
  return true;
}

void TabStrip::AddTab(const std::string& caption, const std::string& key) {
  tabs_.push_back({caption, key});
  Touch();
}

void TabStrip::SetTabCaption(int index, const std::string& caption) {
  if (index < 1 || index > static_cast<int>(tabs_.size())) return;
  Set(tabs_[static_cast<size_t>(index - 1)].caption, caption);
}

void TabStrip::Select(int index) {
  if (index < 1 || index > static_cast<int>(tabs_.size()) || index == selected_) return;
  selected_ = index;
  Touch();
  RaiseClick();
}

void Timer::Tick() {
  if (Enabled() && onTimer && Owner().HandlersAllowed()) onTimer();
}

MenuItem::MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent)
    : form_(form), name_(std::move(name)), parent_(parent), caption_(std::move(caption)) {
  if (parent_) {
    parent_->children_.push_back(this);
  } else {
    form_.RegisterMenu(this);
  }
}

void MenuItem::UserClick() {
  for (const MenuItem* m = this; m; m = m->parent_) {
    if (!m->enabled_ || !m->visible_) return;
  }
  if (onClick && form_.HandlersAllowed()) onClick();
}

void MenuItem::Touch() {
  revision_ = form_.NextRevision();
}

}  // namespace zorvik
