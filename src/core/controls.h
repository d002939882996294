// The control model: the windows described as data that the core owns. Forms hold these as
// members named as the windows name them; the front end mirrors them on screen.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvik {

// Gives a field its new value and says whether that changed it: a change is what makes the views
// draw again, so each setter of the model goes through here.
template <class T>
bool Changed(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

class Form;

using Twips = int;

// A colour as the window designer keeps it: RGB in the low three bytes (red lowest), or a system
// colour index with the top bit set.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) {
  return kSystemColorFlag | static_cast<Color>(index);
}
constexpr bool IsSystemColor(Color c) {
  return (c & kSystemColorFlag) != 0;
}
constexpr int SystemColorIndex(Color c) {
  return static_cast<int>(c & 0xFF);
}

// The system colour indexes the windows use (the COLOR_* numbers of Windows).
namespace syscolor {
constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int kButtonFace = 15;
constexpr int kGrayText = 17;
constexpr int kButtonText = 18;
constexpr int k3DHighlight = 20;
}  // namespace syscolor

constexpr Color kSilver = Rgb(192, 192, 192);
constexpr Color kPanelGrey = Rgb(224, 224, 224);

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool greekCharset = false;
  bool operator==(const Font&) const = default;
};

// A picture: a resource of the program or a file loaded through the platform. The core needs
// only its name and size; `native` carries the platform's decoded image for the views.
struct Picture {
  std::string name;
  int width = 0;  // pixels
  int height = 0;
  std::shared_ptr<const void> native;
  bool empty() const { return name.empty(); }
  bool operator==(const Picture& o) const {
    return name == o.name && width == o.width && height == o.height && native == o.native;
  }
};

enum class MousePointer { Default, ArrowQuestion, Custom };

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

struct MouseArgs {
  MouseButton button = MouseButton::Left;
  int shift = 0;
  Twips x = 0;  // relative to the control receiving the event
  Twips y = 0;
};

enum class ControlKind {
  Image,
  Label,
  PictureBox,
  Frame,
  CheckBox,
  OptionButton,
  TextBox,
  ComboBox,
  CommandButton,
  TabStrip,
  Timer,
};

// Check box values.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kGrayed = 2;

// The index of a control that is not an element of a control array.
constexpr int kNoIndex = -1;

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = kNoIndex);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  std::string DisplayName() const;  // "ImgPlay(2)" or "LblPlay"
  Form& Owner() const { return form_; }

  // The container whose inner area holds this control; null for the form itself.
  Control* Container() const { return container_; }
  void SetContainer(Control* container) { container_ = container; }
  bool IsContainer() const {
    return kind_ == ControlKind::PictureBox || kind_ == ControlKind::Frame;
  }

  Twips Left() const { return left_; }
  Twips Top() const { return top_; }
  Twips Width() const { return width_; }
  Twips Height() const { return height_; }
  void SetLeft(Twips v) { Set(left_, v); }
  void SetTop(Twips v) { Set(top_, v); }
  void SetWidth(Twips v) { Set(width_, v); }
  void SetHeight(Twips v) { Set(height_, v); }
  void Move(Twips left, Twips top, Twips width, Twips height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Set(enabled_, v); }

  // Caption of labels, frames, buttons; text of text and combo boxes.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { Set(caption_, v); }

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f) { Set(font_, f); }
  void SetFontSize(double points);

  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c) { Set(backColor_, c); }
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c) { Set(foreColor_, c); }

  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(const std::string& v) { Set(toolTip_, v); }

  MousePointer Pointer() const { return pointer_; }
  void SetPointer(MousePointer p) { Set(pointer_, p); }

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& p) { Set(picture_, p); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { Set(stretch_, v); }

  // When this control last changed, on its form's revision counter.
  std::uint64_t Revision() const { return revision_; }

  // Handlers, bound by the form to its <Control>_<Event> members.
  std::function<void(const MouseArgs&)> onMouseDown, onMouseUp, onMouseMove;
  std::function<void()> onClick, onChange, onGotFocus, onLostFocus;
  std::function<void(bool& cancel)> onValidate;

  // Raise an event as if the user caused it. Nothing runs once the program is ending.
  void RaiseClick() { Raise(onClick); }
  void RaiseChange() { Raise(onChange); }
  void RaiseMouseDown(const MouseArgs& a);
  void RaiseMouseUp(const MouseArgs& a);
  void RaiseMouseMove(const MouseArgs& a);

  bool Contains(Twips x, Twips y) const {
    return x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_;
  }

 protected:
  template <class T>
  void Set(T& field, const T& value) {
    if (Changed(field, value)) Touch();
  }
  void Touch();
  void Raise(const std::function<void()>& handler);

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Control* container_ = nullptr;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  Font font_;
  Color backColor_ = SystemColor(syscolor::kButtonFace);
  Color foreColor_ = SystemColor(syscolor::kButtonText);
  std::string toolTip_;
  MousePointer pointer_ = MousePointer::Default;
  Picture picture_;
  bool stretch_ = false;
  std::uint64_t revision_ = 0;
};

class Image : public Control {
 public:
  Image(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::Image, name, index) {}
  // A thin frame drawn around the picture.
  bool Border() const { return border_; }
  void SetBorder(bool v) { Set(border_, v); }

 private:
  bool border_ = false;
};

class Label : public Control {
 public:
  Label(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::Label, name, index) {}
  bool Centered() const { return centered_; }
  void SetCentered(bool v) { Set(centered_, v); }
  // The text's capitals are centred on the box's middle line, as a picture button's caption
  // sits on its button, instead of the text hanging from the box's top.
  bool Middle() const { return middle_; }
  void SetMiddle(bool v) { Set(middle_, v); }

 private:
  bool centered_ = false;
  bool middle_ = false;
};

class PictureBox : public Control {
 public:
  PictureBox(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::PictureBox, name, index) {}
};

class Frame : public Control {
 public:
  Frame(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::Frame, name, index) {}
};

// Enter presses the default button of a window, and Escape its cancel button.
class CommandButton : public Control {
 public:
  CommandButton(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::CommandButton, name, index) {}
  bool Default() const { return default_; }
  void SetDefault(bool v) { Set(default_, v); }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { Set(cancel_, v); }

 private:
  bool default_ = false;
  bool cancel_ = false;
};

// Value 0 clear, 1 checked, 2 greyed. Any change of the value raises Click.
class CheckBox : public Control {
 public:
  CheckBox(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::CheckBox, name, index) {}
  int Value() const { return value_; }
  void SetValue(int v);
  // A click by the user toggles between clear and checked.
  void UserClick() { SetValue(value_ == kChecked ? kUnchecked : kChecked); }

 private:
  int value_ = kUnchecked;
};

// Option buttons in one container form a group: selecting one clears the others and raises the
// Click of the one selected. Clearing one from code raises nothing.
class OptionButton : public Control {
 public:
  OptionButton(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::OptionButton, name, index) {}
  bool Value() const { return value_; }
  void SetValue(bool v);
  void UserClick() { SetValue(true); }

 private:
  bool value_ = false;
};

// A single-line text box. Any change of the text raises Change.
class TextBox : public Control {
 public:
  TextBox(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::TextBox, name, index) {
    SetBackColor(SystemColor(syscolor::kWindow));
    SetForeColor(SystemColor(syscolor::kWindowText));
  }
  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& v);
};

// A drop-down list. Setting the list index raises Click when it changes; the text is the chosen
// entry, or empty with no selection.
class ComboBox : public Control {
 public:
  ComboBox(Form& f, std::string name, int index = kNoIndex)
      : Control(f, ControlKind::ComboBox, name, index) {
    SetBackColor(SystemColor(syscolor::kWindow));
    SetForeColor(SystemColor(syscolor::kWindowText));
  }
  const std::vector<std::string>& List() const { return list_; }
  int ListCount() const { return static_cast<int>(list_.size()); }
  // Sets entry i; i == ListCount() appends.
  void SetListEntry(int i, const std::string& text);
  int ListIndex() const { return listIndex_; }
  // Indexes outside -1 .. ListCount()-1 are refused (returns false).
  bool SetListIndex(int i);
  const std::string& Text() const { return Caption(); }

 private:
  std::vector<std::string> list_;
  int listIndex_ = -1;
};

struct Tab {
  std::string caption;
  std::string key;
  bool operator==(const Tab&) const = default;
};

// Tabs count from 1. Selecting another tab raises Click.
class TabStrip : public Control {
 public:
  TabStrip(Form& f, std::string name) : Control(f, ControlKind::TabStrip, name) {}
  const std::vector<Tab>& Tabs() const { return tabs_; }
  void AddTab(const std::string& caption, const std::string& key);
  void SetTabCaption(int index, const std::string& caption);
  int SelectedIndex() const { return selected_; }
  void Select(int index);

 private:
  std::vector<Tab> tabs_;
  int selected_ = 1;
};

class Timer : public Control {
 public:
  Timer(Form& f, std::string name) : Control(f, ControlKind::Timer, name) { SetVisible(false); }
  int Interval() const { return interval_; }
  void SetInterval(int ms) { Set(interval_, ms); }
  // Enabled() tells whether the timer runs; the front end fires Tick after each interval.
  void Tick();
  std::function<void()> onTimer;

 private:
  int interval_ = 0;
};

// Controls that share a name and one set of handlers, addressed by index.
template <class T>
class ControlArray {
 public:
  ControlArray(Form& f, const std::string& name, int count) {
    for (int i = 0; i < count; ++i)
      items_.push_back(std::make_unique<T>(f, name, i));
  }
  T& operator[](int i) { return *items_.at(static_cast<size_t>(i)); }
  const T& operator[](int i) const { return *items_.at(static_cast<size_t>(i)); }
  int Count() const { return static_cast<int>(items_.size()); }

  // Binds one handler to every element; it receives the element's index.
  void OnMouseDown(std::function<void(int, const MouseArgs&)> h) { Bind(&Control::onMouseDown, h); }
  void OnMouseUp(std::function<void(int, const MouseArgs&)> h) { Bind(&Control::onMouseUp, h); }
  void OnMouseMove(std::function<void(int, const MouseArgs&)> h) { Bind(&Control::onMouseMove, h); }
  void OnClick(std::function<void(int)> h) {
    for (int i = 0; i < Count(); ++i)
      (*this)[i].onClick = [h, i] { h(i); };
  }

 private:
  void Bind(std::function<void(const MouseArgs&)> Control::*member,
            std::function<void(int, const MouseArgs&)> h) {
    for (int i = 0; i < Count(); ++i)
      (*this)[i].*member = [h, i](const MouseArgs& a) { h(i, a); };
  }
  std::vector<std::unique_ptr<T>> items_;
};

// The standard file-open dialog: set the filter and initial folder, show it, read the choice.
struct CommonDialog {
  std::string Filter;
  std::string InitDir;
  std::string FileName;   // full path of the chosen file; empty when nothing was chosen
  std::string FileTitle;  // its name without the folder
};

// A menu entry; the entries of the menu bar are the roots. Click runs only while enabled.
class MenuItem {
 public:
  MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent = nullptr);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  MenuItem* Parent() const { return parent_; }
  const std::vector<MenuItem*>& Children() const { return children_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { Set(caption_, v); }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { Set(checked_, v); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Set(enabled_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  std::uint64_t Revision() const { return revision_; }

  std::function<void()> onClick;
  // The user chose this entry.
  void UserClick();

 private:
  template <class T>
  void Set(T& field, const T& value) {
    if (Changed(field, value)) Touch();
  }
  void Touch();

  Form& form_;
  std::string name_;
  MenuItem* parent_;
  std::vector<MenuItem*> children_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  std::uint64_t revision_ = 0;
};

}  // namespace zorvik
