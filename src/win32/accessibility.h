// The main window's picture buttons as screen readers see them: the window's client area holds
// three push buttons, named by their captions in the language in effect, whose default action is
// their click. The buttons have no windows, so the window answers WM_GETOBJECT with this.
#pragma once

#include "ui/main/frm_main.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

// What the accessible object asks of its window.
class AccessibleHost {
 public:
  virtual ~AccessibleHost() = default;
  virtual HWND Handle() const = 0;
  virtual FrmMain& Model() const = 0;
  // A control's place on the screen, in pixels.
  virtual RECT ScreenRect(const Control& c) const = 0;
  // Asks for a click or the focus, which happen once the caller has its answer.
  virtual void RequestClick(PictureButton b) = 0;
  virtual void RequestFocus(PictureButton b) = 0;
};

class ButtonsAccessible final : public IAccessible {
 public:
  explicit ButtonsAccessible(AccessibleHost& host) : host_(&host) {}
  ButtonsAccessible(const ButtonsAccessible&) = delete;
  ButtonsAccessible& operator=(const ButtonsAccessible&) = delete;

  // The window is gone: clients that still hold the object hear so.
  void Disconnect() { host_ = nullptr; }
  // The child id of a button, counting from 1 in the keyboard's order.
  static LONG ChildId(PictureButton b) { return static_cast<LONG>(b) + 1; }

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: clients use the interface's own methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~ButtonsAccessible() = default;
  // What a child id names: a button, or the client area itself.
  struct Target {
    HRESULT status;
    bool isButton = false;
    PictureButton button = PictureButton::Play;
  };
  Target Resolve(const VARIANT& child) const;
  bool WindowFocused() const;

  AccessibleHost* host_;
  LONG references_ = 1;
};

}  // namespace zorvik::win32
