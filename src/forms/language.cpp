#include "forms/language.h"

#include "core/launcher.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"

namespace zorvik {

namespace {

struct Texts {
  // Main window.
  const char* FrmBanner;
  const char* FrmMenu;
  const char* LblPlay;
  const char* LblExit;
  const char* LblExplore;
  const char* ImgHelp;  // the names of the help icon and the banner's handles, for their tips
  const char* HideHandle;
  const char* ShowHandle;
  const char* Movie;
  const char* Programs;
  const char* Options;
  const char* General;
  const char* Language;
  const char* Greek;
  const char* English;
  const char* MainVideo;
  const char* InstallPrefix;  // the Programs entries: prefix + installer name
  // Messages.
  const char* MsgOldVersion;
  const char* MsgAutoDetect;
  const char* TitleCaution;
  const char* TitleInformation;
  const char* MsgFileNotFound;
  const char* PleaseInstall;  // the install prompts: prefix + installer name
  const char* MsgNoVideo;
  const char* MsgCantWrite;
  const char* MsgRemovableDisk;
  const char* TextDefault;
  const char* TextChangeSkin;
  // Options window.
  const char* OptCaption;
  const char* Tabs[4];
  const char* fraSample1;
  const char* fraSample2;
  const char* FraSample3;
  const char* fraSample4;
  const char* LblAviName;
  const char* LblVideoName;
  const char* LblBSIni;
  const char* TxtBSiniTip;
  const char* LblAuto;
  const char* ChkVersion;
  const char* ChkStart;
  const char* ChkSave;
  const char* CmdDefault;
  const char* LblSubname;
  const char* Lblpath;
  const char* LblSubPath;
  const char* CmdBSpath;
  const char* ChkParbox;
  const char* LblAspect;
  const char* LblRes;
  const char* ChkFull;
  const char* ChkEend;
  const char* ChkSubsDisable;
  const char* ChkZorvikexit;
  const char* ChkBanner;
  const char* cmdCancel;
  const char* CmdApply;
};

const Texts kEnglish = {
    .FrmBanner = "Cover",
    .FrmMenu = "Main Menu",
    .LblPlay = "Launch Video",
    .LblExit = "Exit",
    .LblExplore = "Explore the CD",
    .ImgHelp = "About Zorvik",
    .HideHandle = "Hide the cover",
    .ShowHandle = "Show the cover",
    .Movie = "Video File",
    .Programs = "Programs",
    .Options = "Options",
    .General = "Settings",
    .Language = "Choose Language",
    .Greek = "Greek",
    .English = "English",
    .MainVideo = "Main video",
    .InstallPrefix = "Install ",
    .MsgOldVersion = "You have an old version of BSplayer. Please update!",
    .MsgAutoDetect = "Video AutoDetection is currently: ",
    .TitleCaution = "Caution",
    .TitleInformation = "Information",
    .MsgFileNotFound = "The file wasn't found!",
    .PleaseInstall = "Please install the ",
    .MsgNoVideo = "No video file is selected or found. Check your settings!",
    .MsgCantWrite = "Can't write to the file!",
    .MsgRemovableDisk = "You can't save on a removable disk!",
    .TextDefault = "Default",
    .TextChangeSkin = "Change Skin",
    .OptCaption = "Settings",
    .Tabs = {"Video Detection Method", "Command Line Options", "Launcher's Settings", "Varius"},
    .fraSample1 = "Video Detection",
    .fraSample2 = "Command Line",
    .FraSample3 = "Launcher's settings",
    .fraSample4 = "Varius Settings",
    .LblAviName =
        "Choose below the method of loading the video file. This can be done on 3 different ways:",
    .LblVideoName = "1. Enter manually the exact full path of the video file",
    .LblBSIni =
        "2. Type or find the BSplayer's .ini or .bsi file, in order to use it. Leave the default "
        "option, if the .ini or .bsi file is inside application's path.",
    .TxtBSiniTip = "Leave the default if you want to burn the launcher into a cd.",
    .LblAuto = "3. The video file is located inside the launcher's folder.",
    .ChkVersion = "Always notify, if an old version of BSplayer is found.",
    .ChkStart = "Start video in:",
    .ChkSave = "Save Settings",
    .CmdDefault = "Default Settings",
    .LblSubname = "Choose the appearance of subtitles (size,font,color,e.t.c)",
    .Lblpath = "Locate the path of BSplayer, if it doesn't exist in the below path.",
    .LblSubPath = "Subtitles activation, which aren't located in the application path.",
    .CmdBSpath = "Select",
    .ChkParbox = "Manual change of options.",
    .LblAspect = "Choose the aspect ratio of the video:",
    .LblRes = "Choose a new resolution for the video:",
    .ChkFull = "Full Screen",
    .ChkEend = "Close BSplayer at the end of the video",
    .ChkSubsDisable = "Disable subtitles",
    .ChkZorvikexit = "The autorun will exit after launching",
    .ChkBanner = "Hide the banner when there is no cover.",
    .cmdCancel = "Cancel",
    .CmdApply = "Apply",
};

const Texts kGreek = {
    .FrmBanner = "Εξώφυλλο",
    .FrmMenu = "Βασικό Μενού",
    .LblPlay = "Αναπαραγωγή",
    .LblExit = "Έξοδος",
    .LblExplore = "Εξερεύνηση CD",
    .ImgHelp = "Σχετικά με το Zorvik",
    .HideHandle = "Απόκρυψη του εξωφύλλου",
    .ShowHandle = "Εμφάνιση του εξωφύλλου",
    .Movie = "Αρχείο Video",
    .Programs = "Προγράμματα",
    .Options = "Ρυθμίσεις",
    .General = "Γενικές Ρυθμίσεις",
    .Language = "Επιλογή Γλώσσας",
    .Greek = "Ελληνικά",
    .English = "Αγγλικά",
    .MainVideo = "Κυρίως video",
    .InstallPrefix = "Εγκατάσταση του ",
    .MsgOldVersion = "Έχετε παλαιά έκδοση της εφαρμογής BSplayer. Παρακαλώ ανανεώστε!",
    .MsgAutoDetect = "Η αυτόματη εύρεση αρχείου Video είναι: ",
    .TitleCaution = "ΠΡΟΣΟΧΗ",
    .TitleInformation = "Πληροφορίες",
    .MsgFileNotFound = "Το αρχείο δεν βρέθηκε!",
    .PleaseInstall = "Πρέπει να εγκαταστήσετε το ",
    .MsgNoVideo = "Δεν επιλέχτηκε ή δεν βρέθηκε κανένα αρχείο video. Ελέγξτε τις ρυθμίσεις σας!",
    .MsgCantWrite = "Δεν μπορεί να γράψει σε αρχείο!",
    .MsgRemovableDisk = "Δεν μπορείς να σώσεις αρχείο σε αφαιρούμενο δίσκο!",
    .TextDefault = "Προεπιλογή",
    .TextChangeSkin = "Αλλαγή Skin",
    .OptCaption = "Ρυθμίσεις",
    .Tabs = {"Εύρεση video", "Command Line", "Launcher's επιλογές", "Διάφορες Ρυθμίσεις"},
    .fraSample1 = "Video Detection",
    .fraSample2 = "Command Line Επιλογές",
    .FraSample3 = "Επιλογές για τον Launcher",
    .fraSample4 = "Διάφορα",
    .LblAviName =
        "Επιλέξτε παρακάτω την μέθοδο με την οποία θέλετε να φορτωθεί το αρχείο video. Αυτό μπορεί "
        "να γίνει με 3 διαφορετικούς τρόπους:",
    .LblVideoName = "1. Εισάγετε χειροκίνητα την ακριβή θέση του video αρχείου",
    .LblBSIni =
        "2. Πληκτρολογείστε ή βρείτε το .ini ή .bsi αρχείο του BSplayer ώστε να το "
        "χρησιμοποιήσετε. "
        "Αφήστε την προεπιλογή, εαν το .bsi ή το .ini αρχείο είναι στον ίδιο φάκελο με του "
        "launcher.",
    .TxtBSiniTip = "Αφήστε την προεπιλογή εάν θέλετε να γράψετε σε cd τον launcher",
    .LblAuto = "3. Το video βρίσκεται στον ίδιο φάκελο με τον launcher.",
    .ChkVersion = "Προειδοποίηση για τυχόν παλαιά έκδοση του BSplayer.",
    .ChkStart = "Αρχή Video σε:",
    .ChkSave = "Αποθήκευση Ρυθμίσεων",
    .CmdDefault = "Προεπιλογές",
    .LblSubname = "Πληκτρολογείστε πως θέλετε να εμφανίζονται οι υπότιτλοι.",
    .Lblpath = "Βρείτε το πρόγραμμα BSplayer αν δεν βρίσκεται στην παρακάτω διαδρομή.",
    .LblSubPath = "Ενεργοποίηση υποτίτλων που δεν βρίσκονται στον φάκελο του προγ/τος.",
    .CmdBSpath = "Εύρεση",
    .ChkParbox = "Χειροκίνητη αλλαγή παραμέτρων.",
    .LblAspect = "Επιλέξτε το aspect ratio του αρχείου:",
    .LblRes = "Επιλέξτε νέα ανάλυση για το αρχείο:",
    .ChkFull = "Πλήρης Οθόνη",
    .ChkEend = "Τερματισμός του BSplayer στο τέλος της προβολής.",
    .ChkSubsDisable = "Απενεργοποίηση των υπότιτλων",
    .ChkZorvikexit = "Το προγ/μα θα κλείσει μετά την αναπαραγωγή.",
    .ChkBanner = "Το κυρίως banner να μην εμφανίζεται όταν δεν υπάρχει εξώφυλλο.",
    .cmdCancel = "Άκυρο",
    .CmdApply = "Εφαρμογή",
};

void SetTexts(Launcher& l, const Texts& t) {
  MainWindowControls& m = l.MainControls();
  const auto name = [&](InstallerId id) { return l.Installer(id).InstallerName; };

  m.FrmBanner.SetCaption(t.FrmBanner);
  m.FrmMenu.SetCaption(t.FrmMenu);
  m.LblPlay.SetCaption(t.LblPlay);
  m.LblExit.SetCaption(t.LblExit);
  m.LblExplore.SetCaption(t.LblExplore);
  m.ImgHelp[kPlainIcon].SetToolTip(t.ImgHelp);
  m.ImgHelp[kHoverIcon].SetToolTip(t.ImgHelp);
  m.ImgShow[kHideHandle].SetToolTip(t.HideHandle);
  m.ImgShow[kShowHandle].SetToolTip(t.ShowHandle);
  m.Movie.SetCaption(t.Movie);
  m.Programs.SetCaption(t.Programs);
  m.Options.SetCaption(t.Options);
  m.General.SetCaption(t.General);
  m.Language.SetCaption(t.Language);
  m.Greek.SetCaption(t.Greek);
  m.English.SetCaption(t.English);
  m.MainVideo.SetCaption(t.MainVideo);
  m.BSplayer.SetCaption(t.InstallPrefix + name(InstallerId::BSplayer));
  m.DivX502.SetCaption(t.InstallPrefix + name(InstallerId::DivX));
  m.DivX502Pro.SetCaption(t.InstallPrefix + name(InstallerId::DivXPro));
  m.FFdshow.SetCaption(t.InstallPrefix + name(InstallerId::FFdshow));
  m.XviD.SetCaption(t.InstallPrefix + name(InstallerId::XviD));

  l.MsgOldVersion = t.MsgOldVersion;
  l.MsgAutoDetect = t.MsgAutoDetect;
  l.TitleCaution = t.TitleCaution;
  l.TitleInformation = t.TitleInformation;
  l.MsgFileNotFound = t.MsgFileNotFound;
  l.MsgInstallBSplayer = t.PleaseInstall + name(InstallerId::BSplayer);
  l.MsgInstallDivX = t.PleaseInstall + name(InstallerId::DivX);
  l.MsgInstallXviD = t.PleaseInstall + name(InstallerId::XviD);
  l.MsgNoVideo = t.MsgNoVideo;
  l.MsgCantWrite = t.MsgCantWrite;
  l.MsgRemovableDisk = t.MsgRemovableDisk;
  l.TextDefault = t.TextDefault;
  l.TextChangeSkin = t.TextChangeSkin;

  // The options window comes into being here when it isn't loaded yet; its own load applies the
  // language once more, with the same result.
  OptionsWindowControls& o = l.OptControls();
  o.SetCaption(t.OptCaption);
  for (int i = 0; i < 4; ++i)
    o.tbsOptions.SetTabCaption(i + 1, t.Tabs[i]);
  o.fraSample1.SetCaption(t.fraSample1);
  o.fraSample2.SetCaption(t.fraSample2);
  o.FraSample3.SetCaption(t.FraSample3);
  o.fraSample4.SetCaption(t.fraSample4);
  o.LblAviName.SetCaption(t.LblAviName);
  o.LblVideoName.SetCaption(t.LblVideoName);
  o.LblBSIni.SetCaption(t.LblBSIni);
  o.TxtBSini.SetToolTip(t.TxtBSiniTip);
  o.LblAuto.SetCaption(t.LblAuto);
  o.OptAutoIni[kAutoDetect].SetCaption(AutoDetectCaption(l));
  o.ChkVersion.SetCaption(t.ChkVersion);
  o.ChkStart.SetCaption(t.ChkStart);
  o.ChkSave.SetCaption(t.ChkSave);
  o.CmdDefault.SetCaption(t.CmdDefault);
  o.LblSubname.SetCaption(t.LblSubname);
  o.Lblpath.SetCaption(t.Lblpath);
  o.LblSubPath.SetCaption(t.LblSubPath);
  o.CmdBSpath.SetCaption(t.CmdBSpath);
  o.ChkParbox.SetCaption(t.ChkParbox);
  o.LblAspect.SetCaption(t.LblAspect);
  o.LblRes.SetCaption(t.LblRes);
  o.ChkFull.SetCaption(t.ChkFull);
  o.ChkEend.SetCaption(t.ChkEend);
  o.ChkSubsDisable.SetCaption(t.ChkSubsDisable);
  o.ChkZorvikexit.SetCaption(t.ChkZorvikexit);
  o.ChkBanner.SetCaption(t.ChkBanner);
  o.cmdCancel.SetCaption(t.cmdCancel);
  o.CmdApply.SetCaption(t.CmdApply);
}

}  // namespace

void ApplyLanguage(Launcher& l) {
  MainWindowControls& m = l.MainControls();
  if (l.GreekLanguage) {
    m.English.SetChecked(false);
    m.Greek.SetChecked(true);
    SetGreekTexts(l);
  } else {
    m.Greek.SetChecked(false);
    m.English.SetChecked(true);
    SetEnglishTexts(l);
  }
}

void SetEnglishTexts(Launcher& l) {
  SetTexts(l, kEnglish);
}
void SetGreekTexts(Launcher& l) {
  SetTexts(l, kGreek);
}

std::string AutoDetectCaption(Launcher& l) {
  return l.MsgAutoDetect + (l.OptControls().OptAutoIni[kAutoDetect].Value() ? "ON" : "OFF");
}

bool IsNoSkinCaption(const std::string& caption) {
  return caption.empty() || caption == kEnglish.TextChangeSkin || caption == kGreek.TextChangeSkin;
}

bool IsDefaultIniWord(const std::string& text) {
  return text == kEnglish.TextDefault || text == kGreek.TextDefault;
}

const char* NoSkinCaption(bool greek) {
  return greek ? kGreek.TextChangeSkin : kEnglish.TextChangeSkin;
}

const char* DefaultIniWord(bool greek) {
  return greek ? kGreek.TextDefault : kEnglish.TextDefault;
}

}  // namespace zorvik
