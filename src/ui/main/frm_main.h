// The main window: the cover banner, the menu panel with the Play, Explore and Exit picture
// buttons, the help icon and the menu bar.
#pragma once

#include "core/form.h"

namespace zorvik {

class Launcher;

// Resource names of the main window's pictures.
namespace res {
inline constexpr const char* kButtonPressed = "BUTTON_PRESSED";
inline constexpr const char* kButtonHover = "BUTTON_HOVER";
inline constexpr const char* kButtonIdle = "BUTTON_IDLE";
inline constexpr const char* kExitIcon = "EXIT_ICON";
inline constexpr const char* kExitHover = "EXIT_HOVER";
inline constexpr const char* kPlayIcon = "PLAY_ICON";
inline constexpr const char* kPlayHover = "PLAY_HOVER";
inline constexpr const char* kHandleHide = "HANDLE_HIDE";
inline constexpr const char* kHandleShow = "HANDLE_SHOW";
inline constexpr const char* kDefaultCover = "COVER_DEFAULT";
inline constexpr const char* kLogoStrip = "LOGO_STRIP";
inline constexpr const char* kHelpIcon = "HELP_ICON";
inline constexpr const char* kHelpHover = "HELP_HOVER";
}  // namespace res

// The about box's version and date.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 6;
inline constexpr int kVersionRevision = 83;

// The picture buttons, in the order the keyboard visits them.
enum class PictureButton { Play, Explore, Exit };
inline constexpr PictureButton kPictureButtons[] = {PictureButton::Play, PictureButton::Explore,
                                                    PictureButton::Exit};

class FrmMain : public Form {
 public:
  explicit FrmMain(Launcher& launcher);

  // Controls, as the window names them.
  PictureBox MainPic{*this, "MainPic"};
  Frame FrmMenu{*this, "FrmMenu"};
  ControlArray<Image> ImgCancel{*this, "ImgCancel", 2};
  ControlArray<Image> ImgPlayIcon{*this, "ImgPlayIcon", 2};
  Label LblPlay{*this, "LblPlay"};
  Label LblExit{*this, "LblExit"};
  Label LblExplore{*this, "LblExplore"};
  ControlArray<Image> ImgPlay{*this, "ImgPlay", 3};
  ControlArray<Image> ImgExplore{*this, "ImgExplore", 3};
  ControlArray<Image> ImgExit{*this, "ImgExit", 3};
  Label LblMovieName{*this, "LblMovieName"};
  ControlArray<Image> ImgShow{*this, "ImgShow", 2};
  Timer Timer1{*this, "Timer1"};
  Frame FrmBanner{*this, "FrmBanner"};
  PictureBox PicLogo2{*this, "PicLogo2"};
  Image ImgLogo{*this, "ImgLogo"};
  ControlArray<Image> ImgHelp{*this, "ImgHelp", 2};

  // The menu bar, in menu order.
  MenuItem Movie{*this, "Movie", "&Αρχείο Video"};
  MenuItem MainVideo{*this, "MainVideo", "Main Video", &Movie};
  MenuItem Trailer1{*this, "Trailer1", "Name Trailer 1", &Movie};
  MenuItem Trailer2{*this, "Trailer2", "Name Trailer 2", &Movie};
  MenuItem Trailer3{*this, "Trailer3", "Name Trailer 3", &Movie};
  MenuItem Readme{*this, "Readme", "&Readme.txt", &Movie};
  MenuItem Programs{*this, "Programs", "&Προγράμματα"};
  MenuItem BSplayer{*this, "BSplayer", "Εγκατάσταση του BSplayer", &Programs};
  MenuItem Other1Name{*this, "Other1Name", "Name other codec 1", &Programs};
  MenuItem Other2Name{*this, "Other2Name", "Name other codec 2", &Programs};
  MenuItem DivX502{*this, "DivX502", "Εγκατάσταση του DivX v.5.05", &Programs};
  MenuItem DivX502Pro{*this, "DivX502Pro", "Εγκατάσταση του DivX v.5.05 Pro", &Programs};
  MenuItem FFdshow{*this, "FFdshow", "Εγκατάσταση του FFdshow filter", &Programs};
  MenuItem XviD{*this, "XviD", "Εγκατάσταση του Xvid Codec", &Programs};
  MenuItem Options{*this, "Options", "&Ρυθμίσεις"};
  MenuItem General{*this, "General", "Γενικές Ρυθμίσεις", &Options};
  MenuItem Language{*this, "Language", "Επιλογή Γλώσσας", &Options};
  MenuItem English{*this, "English", "Αγγλικά", &Language};
  MenuItem Greek{*this, "Greek", "Ελληνικά", &Language};

  MenuItem& TrailerEntry(int n);  // n = 1, 2, 3

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

  // The picture buttons without a mouse. One of them has the keyboard focus: Play when the
  // window opens, Explore while Play is disabled. Tab, Shift+Tab and the arrow keys move it
  // over the buttons that can be pressed; Enter and Space click the focused one; a press of the
  // mouse on a button gives it the focus, as on any Windows button.
  PictureButton FocusedButton() const;
  void FocusButton(PictureButton b);
  // Play can be pressed while its picture is enabled; Explore and Exit always.
  bool ButtonEnabled(PictureButton b) const;
  // The caption, which names the button, and the idle picture, which is its place.
  const Label& ButtonLabel(PictureButton b) const;
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
  void Layout();
  void BindHandlers();
  void ChooseTrailer(int n);
  // The next button that can be pressed, forwards or backwards, going round.
  PictureButton NextButton(PictureButton from, int step) const;

  PictureButton focusedButton_ = PictureButton::Play;
};

}  // namespace zorvik
