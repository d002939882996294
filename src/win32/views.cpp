#include "win32/views.h"

#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"
#include "win32/main_window.h"
#include "win32/options_window.h"
#include "win32/unicode.h"

namespace zorvik::win32 {

Views::Views(Launcher& launcher, HINSTANCE instance) : launcher_(launcher) {
  const HICON icon = LoadIconW(instance, L"APP_ICON");
  const HICON smallIcon = static_cast<HICON>(
      LoadImageW(instance, L"APP_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  Window::RegisterWindowClass(instance, MainWindow::kClassName, icon, smallIcon);
  Window::RegisterWindowClass(instance, OptionsWindow::kClassName, icon, smallIcon);
  Window::RegisterWindowClass(instance, OptionsWindow::kPanelClassName, nullptr, nullptr);
  Window::SetFailureHandler([this](const char* what) { Fatal(what); });
  launcher_.observer = this;
}

Views::~Views() {
  launcher_.observer = nullptr;
  Window::SetFailureHandler(nullptr);
  options_.reset();
  main_.reset();
  closed_.clear();
}

void Views::Start() {
  launcher_.Start();
  AfterEvent();
}

int Views::Run() {
  while (!launcher_.Ending() && Pump()) {
  }
  TearDown();
  return 0;
}

bool Views::Pump() {
  MSG msg{};
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0) {
    PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside this one, if any
    return false;
  }
  if (got == -1) return false;
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  closed_.clear();
  return true;
}

bool Views::PreTranslate(MSG& msg) {
  return options_ && options_->PreTranslate(msg);
}

void Views::Dispatch(const std::function<void()>& event) {
  launcher_.Dispatch(event);
  AfterEvent();
}

void Views::AfterEvent() {
  if (launcher_.Ending()) {
    TearDown();
  } else {
    SyncWindows();
  }
}

void Views::SyncWindows() {
  if (main_) main_->Sync();
  if (OptionsWindow* options = OptionsWindowIfShown()) options->Sync();
}

OptionsWindow* Views::OptionsWindowIfShown() {
  if (!options_ && optionsForm_ && optionsForm_->Visible()) {
    // The common controls' library, loaded here at its first use (see src/win32/CMakeLists.txt).
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    FrmOpt* form = optionsForm_;
    optionsForm_ = nullptr;
    options_ = std::make_unique<OptionsWindow>(*this, *form, MainWindowHandle(),
                                               [form] { form->Form_QueryClose(); });
  }
  return options_.get();
}

void Views::TearDown() {
  if (tornDown_) return;
  tornDown_ = true;
  ReleaseOwner();
  if (options_) options_->Close();
  if (main_) main_->Close();
  // Inside a message box or dialog the quit message would close it; the loops watch the
  // launcher instead.
  if (modalDepth_ == 0) PostQuitMessage(0);
}

void Views::Fatal(const char* what) {
  const bool first = !launcher_.Ending();
  launcher_.EndNow();
  if (first) {
    ++modalDepth_;
    ShowUnexpectedError(what);
    --modalDepth_;
  }
  TearDown();
}

void ShowUnexpectedError(const char* what) {
  MessageBoxW(nullptr, Widen(UnexpectedErrorText(what)).c_str(), Widen(kAppTitle).c_str(),
              MB_ICONERROR | MB_TASKMODAL);
}

void Views::ReleaseOwner() {
  if (!disabledOwner_) return;
  EnableWindow(disabledOwner_, TRUE);
  disabledOwner_ = nullptr;
}

void Views::MainLoaded(FrmMain& form) {
  main_ = std::make_unique<MainWindow>(*this, form, [&form] { form.Form_QueryClose(); });
}

void Views::OptLoaded(FrmOpt& form) {
  CloseOptionsWindow();
  optionsForm_ = &form;
}

void Views::OptUnloaded(FrmOpt& form) {
  if (optionsForm_ == &form) optionsForm_ = nullptr;
  if (options_ && &options_->Model() == &form) CloseOptionsWindow();
}

// The window goes at once; its object lives on until the event that closed it is over.
void Views::CloseOptionsWindow() {
  if (!options_) return;
  options_->Close();
  closed_.push_back(std::move(options_));
}

HWND Views::MainWindowHandle() {
  return main_ ? main_->Handle() : nullptr;
}

HWND Views::ModalOwner() {
  const auto usable = [](HWND h) { return h && IsWindowVisible(h) && IsWindowEnabled(h); };
  for (HWND h : {GetActiveWindow(), options_ ? options_->Handle() : nullptr, MainWindowHandle()}) {
    if (usable(h)) return h;
  }
  return nullptr;
}

void Views::EnterModal() {
  ++modalDepth_;
  if (!launcher_.Ending()) SyncWindows();
}

void Views::LeaveModal() {
  --modalDepth_;
}

void Views::ShowModal(Form& form) {
  if (launcher_.Ending()) return;
  SyncWindows();
  if (!options_ || &options_->Model() != &form) return;
  const HWND owner = MainWindowHandle();
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    disabledOwner_ = owner;
  }
  const auto shown = [this, &form] {
    return !launcher_.Ending() && launcher_.OptLoaded() &&
           static_cast<Form*>(&launcher_.Opt()) == &form && form.Visible();
  };
  while (shown() && Pump()) {
  }
  ReleaseOwner();
}

}  // namespace zorvik::win32
