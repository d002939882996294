// The main window: the cover banner, the menu panel with the Play, Explore and Exit picture
// buttons, the help icon and the menu bar.
#pragma once

#include "forms/main_window_controls.h"

namespace zorvik {

class Launcher;

// The about box's version and date.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 6;
inline constexpr int kVersionRevision = 83;

// The places a click acts on, in the order Tab visits them: the three picture buttons of the
// menu panel, the help icon and the banner handle.
enum class PictureButton { Play, Explore, Exit, Help, Handle };
inline constexpr PictureButton kPictureButtons[] = {PictureButton::Play, PictureButton::Explore,
                                                    PictureButton::Exit, PictureButton::Help,
                                                    PictureButton::Handle};
inline constexpr int kPanelButtons = 3;  // the first ones, which the arrow keys go round

class FrmMain : public MainWindowControls {
 public:
  explicit FrmMain(Launcher& launcher);

  // Start-up and ending.
  void Form_Load();
  void Timer1_Timer();
  // The title bar's close box ends the program, though the options window is still loaded.
  void Form_QueryClose();

  // Picture buttons and hover looks.
  void ResetButtonImages();
  void Form_MouseMove(const MouseArgs&);
  void MainPic_MouseMove(const MouseArgs&);
  void FrmMenu_MouseMove(const MouseArgs&);
  void ImgPlay_MouseMove(int index, const MouseArgs&);
  void ImgExplore_MouseMove(int index, const MouseArgs&);
  void ImgExit_MouseMove(int index, const MouseArgs&);
  void ImgHelp_MouseMove(int index, const MouseArgs&);
  void ImgPlay_MouseDown(int index, const MouseArgs&);
  void LblPlay_MouseDown(const MouseArgs&);
  void ImgPlayIcon_MouseDown(int index, const MouseArgs&);
  void ImgPlay_MouseUp(int index, const MouseArgs&);
  void LblPlay_MouseUp(const MouseArgs&);
  void ImgPlayIcon_MouseUp(int index, const MouseArgs&);
  void ImgExplore_MouseDown(int index, const MouseArgs&);
  void LblExplore_MouseDown(const MouseArgs&);
  void ImgExplore_MouseUp(int index, const MouseArgs&);
  void LblExplore_MouseUp(const MouseArgs&);
  void ImgExit_MouseDown(int index, const MouseArgs&);
  void LblExit_MouseDown(const MouseArgs&);
  void ImgCancel_MouseDown(int index, const MouseArgs&);
  void ImgExit_MouseUp(int index, const MouseArgs&);
  void LblExit_MouseUp(const MouseArgs&);
  void ImgCancel_MouseUp(int index, const MouseArgs&);

  // The window without a mouse. One of the buttons has the keyboard focus: Play when the window
  // opens, Explore while Play is disabled. Tab and Shift+Tab move it over all that can be
  // pressed, the arrow keys over the three of the panel; Enter and Space click the focused one;
  // F1 is the help icon's click. A press of the mouse on a picture button gives it the focus, as
  // on any Windows button.
  PictureButton FocusedButton() const;
  void FocusButton(PictureButton b);
  // Play can be pressed while its picture is enabled, the help icon and the handle while they
  // show; Explore and Exit always.
  bool ButtonEnabled(PictureButton b) const;
  // What names the button (its caption, or its tip for the two without one) and the picture
  // that is its place.
  const std::string& ButtonName(PictureButton b) const;
  const Image& ButtonImage(PictureButton b) const;
  // Everything a click on the button does: its pressed look, then its action. Nothing for a
  // disabled Play.
  void ClickButton(PictureButton b);
  void Form_KeyDown(int keyCode, int shift);

  // The banner handle.
  void ImgShow_Click(int index);

  // About box, options and language.
  void ImgHelp_Click(int index);
  void General_Click();
  void English_Click();
  void Greek_Click();

  // What Play plays, and the disc's programs and documents.
  void MainVideo_Click();
  void Trailer1_Click();
  void Trailer2_Click();
  void Trailer3_Click();
  void Readme_Click();
  void BSplayer_Click();
  void Other1Name_Click();
  void Other2Name_Click();
  void DivX502_Click();
  void DivX502Pro_Click();
  void FFdshow_Click();
  void XviD_Click();

 private:
  void BindHandlers();
  void ChooseTrailer(int n);
  // A press on the button: the focus and the pressed look; its release: the button's action.
  void PressButton(PictureButton b);
  void ReleaseButton(PictureButton b);
  // One of the button's looks (kPressedLook, kHoverLook, kIdleLook).
  Image& ButtonLook(PictureButton b, int look);
  // The next button that can be pressed, forwards or backwards, going round the first `count`.
  PictureButton NextButton(PictureButton from, int step, int count) const;

  PictureButton focusedButton_ = PictureButton::Play;
};

}  // namespace zorvik
