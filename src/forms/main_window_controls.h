// The main window's controls and menu bar as data: their names, places, pictures and first
// values. What they do is the window's behaviour (ui/main/frm_main.h); what they hold is read and
// set below it, by the settings file, the player and the movie's finding.
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

// The looks of the picture buttons ImgPlay, ImgExplore and ImgExit, by index.
enum ButtonLook : int { kPressedLook = 0, kHoverLook = 1, kIdleLook = 2 };
// The two looks of the icons ImgPlayIcon, ImgCancel and ImgHelp.
enum IconLook : int { kPlainIcon = 0, kHoverIcon = 1 };
// The banner's handles: ImgShow[kHideHandle] hides the banner, ImgShow[kShowHandle] shows it.
enum BannerHandle : int { kHideHandle = 0, kShowHandle = 1 };

class MainWindowControls : public Form {
 public:
  explicit MainWindowControls(Launcher& launcher);

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

 private:
  void Layout();
};

}  // namespace zorvik
