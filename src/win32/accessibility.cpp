#include "win32/accessibility.h"

#include <iterator>

#include "win32/unicode.h"

namespace zorvik::win32 {

namespace {

constexpr long kButtonCount = static_cast<long>(std::size(kPictureButtons));

VARIANT Child(LONG id) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocString(text.c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Nothing(BSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

}  // namespace

HRESULT ButtonsAccessible::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ButtonsAccessible::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG ButtonsAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ButtonsAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT ButtonsAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}
HRESULT ButtonsAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT ButtonsAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
  return E_NOTIMPL;
}

ButtonsAccessible::Target ButtonsAccessible::Resolve(const VARIANT& child) const {
  if (!host_) return {CO_E_OBJNOTCONNECTED};
  if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kButtonCount) {
    return {E_INVALIDARG};
  }
  if (child.lVal == CHILDID_SELF) return {S_OK};
  return {S_OK, true, kPictureButtons[child.lVal - 1]};
}

bool ButtonsAccessible::WindowFocused() const {
  return host_ && GetFocus() == host_->Handle();
}

HRESULT ButtonsAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!host_) return CO_E_OBJNOTCONNECTED;
  return AccessibleObjectFromWindow(host_->Handle(), static_cast<DWORD>(OBJID_WINDOW),
                                    IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT ButtonsAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!host_) return CO_E_OBJNOTCONNECTED;
  *count = kButtonCount;
  return S_OK;
}

HRESULT ButtonsAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  // The buttons are simple elements of this object, with no object of their own.
  return t.isButton ? S_FALSE : E_INVALIDARG;
}

HRESULT ButtonsAccessible::get_accName(VARIANT child, BSTR* name) {
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  if (t.isButton) return Text(Widen(host_->Model().ButtonName(t.button)), name);
  return Text(Widen(host_->Model().Caption()), name);
}

HRESULT ButtonsAccessible::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ButtonsAccessible::get_accDescription(VARIANT, BSTR* description) {
  return Nothing(description);
}

HRESULT ButtonsAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  *role = Child(t.isButton ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_CLIENT);
  return S_OK;
}

HRESULT ButtonsAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  LONG flags = STATE_SYSTEM_FOCUSABLE;
  const FrmMain& m = host_->Model();
  if (!t.isButton) {
    if (WindowFocused()) flags |= STATE_SYSTEM_FOCUSED;
  } else if (!m.ButtonEnabled(t.button) || !IsWindowEnabled(host_->Handle())) {
    flags = STATE_SYSTEM_UNAVAILABLE;
  } else if (WindowFocused() && m.FocusedButton() == t.button) {
    flags |= STATE_SYSTEM_FOCUSED;
  }
  *state = Child(flags);
  return S_OK;
}

HRESULT ButtonsAccessible::get_accHelp(VARIANT, BSTR* help) {
  return Nothing(help);
}

HRESULT ButtonsAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (topic) *topic = 0;
  Nothing(file);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ButtonsAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  return Nothing(shortcut);
}

HRESULT ButtonsAccessible::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  focus->vt = VT_EMPTY;
  if (!host_) return CO_E_OBJNOTCONNECTED;
  if (!WindowFocused()) return S_FALSE;
  *focus = Child(ChildId(host_->Model().FocusedButton()));
  return S_OK;
}

HRESULT ButtonsAccessible::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  selection->vt = VT_EMPTY;
  return host_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT ButtonsAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  if (!t.isButton) return Nothing(action);
  return Text(L"Press", action);
}

HRESULT ButtonsAccessible::accSelect(long flags, VARIANT child) {
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  if (!t.isButton || flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
  host_->RequestFocus(t.button);
  return S_OK;
}

HRESULT ButtonsAccessible::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  RECT r{};
  if (t.isButton) {
    r = host_->ScreenRect(host_->Model().ButtonImage(t.button));
  } else {
    GetClientRect(host_->Handle(), &r);
    MapWindowPoints(host_->Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  }
  *left = r.left;
  *top = r.top;
  *width = r.right - r.left;
  *height = r.bottom - r.top;
  return S_OK;
}

HRESULT ButtonsAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  end->vt = VT_EMPTY;
  const Target t = Resolve(start);
  if (FAILED(t.status)) return t.status;
  LONG to = 0;
  if (!t.isButton) {
    if (direction == NAVDIR_FIRSTCHILD) to = 1;
    if (direction == NAVDIR_LASTCHILD) to = kButtonCount;
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
    to = start.lVal + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
    to = start.lVal - 1;
  }
  if (to < 1 || to > kButtonCount) return S_FALSE;
  *end = Child(to);
  return S_OK;
}

HRESULT ButtonsAccessible::accHitTest(long left, long top, VARIANT* child) {
  if (!child) return E_POINTER;
  child->vt = VT_EMPTY;
  if (!host_) return CO_E_OBJNOTCONNECTED;
  const POINT at{left, top};
  for (PictureButton b : kPictureButtons) {
    const RECT r = host_->ScreenRect(host_->Model().ButtonImage(b));
    if (PtInRect(&r, at)) {
      *child = Child(ChildId(b));
      return S_OK;
    }
  }
  RECT client{};
  GetClientRect(host_->Handle(), &client);
  MapWindowPoints(host_->Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  if (!PtInRect(&client, at)) return S_FALSE;
  *child = Child(CHILDID_SELF);
  return S_OK;
}

HRESULT ButtonsAccessible::accDoDefaultAction(VARIANT child) {
  const Target t = Resolve(child);
  if (FAILED(t.status)) return t.status;
  if (!t.isButton) return DISP_E_MEMBERNOTFOUND;
  host_->RequestClick(t.button);
  return S_OK;
}

HRESULT ButtonsAccessible::put_accName(VARIANT, BSTR) {
  return E_NOTIMPL;
}

HRESULT ButtonsAccessible::put_accValue(VARIANT, BSTR) {
  return E_NOTIMPL;
}

}  // namespace zorvik::win32
