#include "win32/native_controls.h"

#include "core/launcher.h"
#include "win32/unicode.h"
#include "win32/units.h"

namespace zorvik::win32 {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Room below a combo box for its open list, at 96 DPI.
constexpr int kDropDownHeight = 200;

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetTextOf(HWND hwnd, const std::string& text) {
  const std::wstring wide = Widen(text);
  if (TextOf(hwnd) != wide) SetWindowTextW(hwnd, wide.c_str());
}

HMENU IdParameter(int id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

Brushes::~Brushes() {
  for (const auto& [color, brush] : made_) {
    DeleteObject(brush);
  }
}

HBRUSH Brushes::Of(Color color) {
  if (IsSystemColor(color)) return GetSysColorBrush(SystemColorIndex(color));
  for (const auto& [made, brush] : made_) {
    if (made == color) return brush;
  }
  made_.emplace_back(color, CreateSolidBrush(ToColorRef(color)));
  return made_.back().second;
}

void Brushes::Fill(HDC dc, HWND hwnd, Color color) {
  RECT r{};
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, Of(color));
}

void ToolTips::Set(HWND owner, HWND control, const std::string& tip, const std::string& before,
                   int dpi) {
  if (!hwnd_) {
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    // Long tips wrap instead of running across the screen.
    SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, Scaled(360, dpi));
  }
  std::wstring text = Widen(tip);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text.data();
  const UINT message = tip.empty()      ? TTM_DELTOOLW
                       : before.empty() ? TTM_ADDTOOLW
                                        : TTM_UPDATETIPTEXTW;
  SendMessageW(hwnd_, message, 0, reinterpret_cast<LPARAM>(&info));
}

// NativeControl

void NativeControl::Create(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle) {
  hwnd_ = CreateWindowExW(exStyle, className, L"", kChild | style, 0, 0, 0, 0, parent,
                          IdParameter(id_), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw Failure("the control " + model_.DisplayName() + " can't be made.");
  Carry(hwnd_);
}

namespace {
constexpr wchar_t kControlProperty[] = L"ZorvikNativeControl";
}  // namespace

NativeControl::~NativeControl() {
  if (hwnd_ && IsWindow(hwnd_)) RemovePropW(hwnd_, kControlProperty);
}

NativeControl* NativeControl::Of(HWND hwnd) {
  return hwnd ? static_cast<NativeControl*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

void NativeControl::Adopt(HWND hwnd) {
  hwnd_ = hwnd;
  Carry(hwnd);
}

void NativeControl::Carry(HWND hwnd) {
  SetPropW(hwnd, kControlProperty, this);
}

std::wstring NativeControl::Text() const {
  return TextOf(hwnd_);
}

void NativeControl::SetText(const std::string& text) {
  SetTextOf(hwnd_, text);
}

void NativeControl::Apply(int dpi, HWND owner, ToolTips& tips) {
  stale_ = false;
  synced_ = model_.Revision();
  Place(dpi);
  const bool shown = (Style() & WS_VISIBLE) != 0;
  if (shown != model_.Visible()) ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
  if ((IsWindowEnabled(hwnd_) != FALSE) != model_.Enabled()) EnableWindow(hwnd_, model_.Enabled());
  Update();
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (model_.ToolTip() != toolTip_) {
    tips.Set(owner, hwnd_, model_.ToolTip(), toolTip_, dpi);
    toolTip_ = model_.ToolTip();
  }
}

void NativeControl::Place(int dpi) {
  const int left = Px(model_.Left(), dpi);
  const int top = Px(model_.Top(), dpi);
  const int width = Px(model_.Left() + model_.Width(), dpi) - left;
  const int height = Px(model_.Top() + model_.Height(), dpi) - top + DropDownHeight(dpi);
  const RECT place{left, top, left + width, top + height};
  // Moving a combo box whose list is open confuses it; nothing moves that needn't.
  if (EqualRect(&place, &placed_)) return;
  placed_ = place;
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  Resized(width, height);
}

HBRUSH NativeControl::Colors(HDC dc, Brushes& brushes) const {
  SetTextColor(dc, ToColorRef(model_.ForeColor()));
  SetBkColor(dc, ToColorRef(model_.BackColor()));
  return brushes.Of(model_.BackColor());
}

void NativeControl::Update() {
  SetText(model_.Caption());
}

bool NativeControl::OwnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

std::unique_ptr<NativeControl> MakeNativeControl(Control& model, int id, HWND parent,
                                                 Brushes& brushes) {
  switch (model.Kind()) {
    case ControlKind::Label:
      return std::make_unique<NativeLabel>(static_cast<Label&>(model), id, parent);
    case ControlKind::CommandButton:
      return std::make_unique<NativeCommandButton>(static_cast<CommandButton&>(model), id, parent);
    case ControlKind::CheckBox:
      return std::make_unique<NativeCheckBox>(static_cast<CheckBox&>(model), id, parent);
    case ControlKind::OptionButton:
      return std::make_unique<NativeOptionButton>(static_cast<OptionButton&>(model), id, parent);
    case ControlKind::TextBox:
      return std::make_unique<NativeTextBox>(static_cast<TextBox&>(model), id, parent);
    case ControlKind::ComboBox:
      return std::make_unique<NativeComboBox>(static_cast<ComboBox&>(model), id, parent);
    case ControlKind::TabStrip:
      return std::make_unique<NativeTabStrip>(static_cast<TabStrip&>(model), id, parent, brushes);
    default:
      return nullptr;
  }
}

// The kinds

NativeLabel::NativeLabel(Label& model, int id, HWND parent) : NativeControl(model, id) {
  Create(parent, L"STATIC", model.Centered() ? SS_CENTER : SS_LEFT);
}

NativeButton::NativeButton(Control& model, int id, HWND parent, DWORD style)
    : NativeControl(model, id) {
  Create(parent, L"BUTTON", style);
}

NativeCommandButton::NativeCommandButton(CommandButton& model, int id, HWND parent)
    : NativeButton(model, id, parent, BS_PUSHBUTTON | WS_TABSTOP) {}

void NativeCommandButton::MarkDefault(bool isDefault) {
  const LONG_PTR style = Style();
  const LONG_PTR wanted =
      (style & ~LONG_PTR{BS_TYPEMASK}) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  if (wanted != style) Send(BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
}

NativeCheckBox::NativeCheckBox(CheckBox& model, int id, HWND parent)
    : NativeButton(model, id, parent, BS_3STATE | BS_MULTILINE | WS_TABSTOP) {}

void NativeCheckBox::Update() {
  NativeControl::Update();
  const int value = static_cast<CheckBox&>(Model()).Value();
  SetCheck(value == kChecked ? BST_CHECKED : value == kGrayed ? BST_INDETERMINATE : BST_UNCHECKED);
}

void NativeCheckBox::TellModel() {
  static_cast<CheckBox&>(Model()).UserClick();
}

NativeOptionButton::NativeOptionButton(OptionButton& model, int id, HWND parent)
    : NativeButton(model, id, parent, BS_RADIOBUTTON | BS_MULTILINE) {}

void NativeOptionButton::Update() {
  NativeControl::Update();
  const bool on = static_cast<OptionButton&>(Model()).Value();
  SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
  // Tab reaches a group of option buttons at its chosen one.
  SetStyle(on ? (Style() | WS_TABSTOP) : (Style() & ~LONG_PTR{WS_TABSTOP}));
}

void NativeOptionButton::TellModel() {
  static_cast<OptionButton&>(Model()).UserClick();
}

NativeTextBox::NativeTextBox(TextBox& model, int id, HWND parent) : NativeControl(model, id) {
  Create(parent, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

bool NativeTextBox::UserChanged(UINT code) const {
  return code == EN_CHANGE && Narrow(Text()) != static_cast<TextBox&>(Model()).Text();
}

void NativeTextBox::TellModel() {
  static_cast<TextBox&>(Model()).SetText(Narrow(Text()));
}

NativeComboBox::NativeComboBox(ComboBox& model, int id, HWND parent) : NativeControl(model, id) {
  Create(parent, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP);
}

void NativeComboBox::AddString(const std::string& entry) {
  Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
}

void NativeComboBox::Update() {
  const auto& combo = static_cast<ComboBox&>(Model());
  if (list_ != combo.List()) {
    ResetContent();
    for (const std::string& entry : combo.List()) {
      AddString(entry);
    }
    list_ = combo.List();
  }
  if (CurSel() != combo.ListIndex()) SetCurSel(combo.ListIndex());
}

int NativeComboBox::DropDownHeight(int dpi) const {
  return Scaled(kDropDownHeight, dpi);
}

bool NativeComboBox::UserChanged(UINT code) const {
  return code == CBN_SELCHANGE;
}

void NativeComboBox::TellModel() {
  static_cast<ComboBox&>(Model()).SetListIndex(CurSel());
}

NativeTabStrip::NativeTabStrip(TabStrip& model, int id, HWND parent, Brushes& brushes)
    : NativeControl(model, id), brushes_(brushes) {
  Create(parent, WC_TABCONTROLW, WS_TABSTOP);
}

void NativeTabStrip::InsertItem(int index, const std::string& caption) {
  std::wstring text = Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void NativeTabStrip::Update() {
  // The model counts its tabs from 1.
  const auto& strip = static_cast<TabStrip&>(Model());
  if (tabs_ != strip.Tabs()) {
    DeleteAllItems();
    int i = 0;
    for (const Tab& tab : strip.Tabs()) {
      InsertItem(i++, tab.caption);
    }
    tabs_ = strip.Tabs();
  }
  if (CurSel() != strip.SelectedIndex() - 1) SetCurSel(strip.SelectedIndex() - 1);
}

bool NativeTabStrip::UserChanged(UINT code) const {
  return code == static_cast<UINT>(TCN_SELCHANGE);
}

void NativeTabStrip::TellModel() {
  static_cast<TabStrip&>(Model()).Select(CurSel() + 1);
}

bool NativeTabStrip::OwnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;  // the painting covers it all
      return true;
    case WM_PAINT:
      Paint();
      result = 0;
      return true;
    default:
      return false;
  }
}

// The tab control paints its pane in the system's colour, and the pages and the controls below
// them would stand on it as grey patches: the pane gets the dialog's colour instead.
void NativeTabStrip::Paint() {
  const PaintScope paint(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  if (!buffer_.Resize(client.right, client.bottom)) return;
  const HDC memory = buffer_.Dc();
  const HBRUSH back = brushes_.Of(Model().Owner().BackColor());
  FillRect(memory, &client, back);
  DefSubclassProc(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);

  RECT pane = client;
  TabCtrl_AdjustRect(Handle(), FALSE, &pane);
  const POINT inside{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2};
  const HGDIOBJ oldBrush = SelectObject(memory, back);
  ExtFloodFill(memory, inside.x, inside.y, GetPixel(memory, inside.x, inside.y), FLOODFILLSURFACE);
  SelectObject(memory, oldBrush);

  const RECT& r = paint.Area();
  BitBlt(paint.Dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top,
         SRCCOPY);
}

NativePanel::NativePanel(Control& model, int id, std::unique_ptr<Window> window)
    : NativeControl(model, id), window_(std::move(window)) {
  Adopt(window_->Handle());
}

void NativePanel::SetFont(HFONT font, bool redraw) {
  NativeControl::SetFont(font, redraw);
  if (groupBox_) SendMessageW(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void NativePanel::AddGroupBox(HFONT font) {
  // The group box covers the frame whole but paints only its outline and caption.
  groupBox_ = CreateWindowExW(0, L"BUTTON", L"", kChild | BS_GROUPBOX, 0, 0, 0, 0, Handle(),
                              IdParameter(Id()), GetModuleHandleW(nullptr), nullptr);
  Carry(groupBox_);
  SendMessageW(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void NativePanel::Update() {
  if (!groupBox_) return;
  EnableWindow(groupBox_, Model().Enabled());
  SetTextOf(groupBox_, Model().Caption());
}

void NativePanel::Resized(int width, int height) {
  if (groupBox_) {
    SetWindowPos(groupBox_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace zorvik::win32
