#include "ui/main/cover_banner.h"

#include "core/launcher.h"
#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

namespace {

// The last component of a path.
std::string LastComponent(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void FindCover(Launcher& l) {
  Platform& p = l.platform;
  FindRecord record;
  for (const char* pattern : {"More\\*.jpg", "More\\*.bmp"}) {
    if (std::optional<FindRecord> found = p.FindFirst(pattern)) record = *found;
  }
  const std::string cover = LastComponent(record.name);

  if (p.FileExists("more\\" + cover) && p.FolderExists("More\\")) {
    const std::string path = "More\\" + cover;
    std::string error;
    PictureBox& box = l.Main().PicLogo2;
    Picture picture = p.LoadPicture(path, box.Width(), box.Height(), error);
    if (picture.empty()) {
      throw UserError("The cover picture " + path + " can't be shown: " + error);
    }
    l.Main().PicLogo2.SetPicture(picture);
  }

  const int hide = l.Opt().ChkBanner.Value();
  const bool folder = p.FolderExists("More\\");
  const bool file = p.FileExists("More\\" + cover);
  if (hide == kChecked && !file && !folder) {
    l.CoverFound = false;
  } else if (hide == kChecked && folder && file) {
    l.CoverFound = true;
  } else if (hide == kUnchecked) {
    l.CoverFound = true;
  }
  ApplyBannerLayout(l);
}

void ApplyBannerLayout(Launcher& l) {
  FrmMain& m = l.Main();
  const bool banner = l.CoverFound;
  m.ImgShow[kShowHandle].SetVisible(!banner);
  m.FrmBanner.SetLeft(banner ? 600 : -20000);
  m.FrmBanner.SetEnabled(banner);
  m.MainPic.SetLeft(banner ? 4080 : 700);
  m.ImgLogo.SetTop(banner ? 480 : 20);
  m.ImgHelp[kPlainIcon].SetLeft(banner ? 6360 : 3200);
  m.ImgHelp[kHoverIcon].SetLeft(banner ? 6360 : 3200);
  m.FrmMenu.SetWidth(banner ? 2200 : 2300);
  m.SetWidth(banner ? 6930 : 3800);
  m.SetHeight(banner ? 6015 : 5300);
  l.CoverFound = !banner;
}

void FrmMain::ImgShow_Click(int) {
  ApplyBannerLayout(Owner());
}

}  // namespace zorvik
