#include "win32/form_painter.h"

#include <algorithm>
#include <vector>

#include "win32/unicode.h"
#include "win32/units.h"

namespace zorvik::win32 {

namespace {

void Fill(HDC dc, const RECT& r, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

RECT Intersection(const RECT& a, const RECT& b) {
  RECT r{};
  IntersectRect(&r, &a, &b);
  return r;
}

// Source coordinates of each target pixel centre, in 1/256 pixels, clamped to the picture.
struct Sample {
  int lo, hi, weight;
};
std::vector<Sample> Samples(int from, int count, int targetLength, int sourceLength) {
  std::vector<Sample> out;
  out.reserve(static_cast<size_t>(count));
  for (int i = from; i < from + count; ++i) {
    long long pos = ((2LL * i + 1) * sourceLength * 256) / (2LL * targetLength) - 128;
    pos = std::clamp<long long>(pos, 0, (sourceLength - 1) * 256LL);
    const int lo = static_cast<int>(pos >> 8);
    out.push_back({lo, std::min(lo + 1, sourceLength - 1), static_cast<int>(pos & 0xFF)});
  }
  return out;
}

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, int w) {
  if (w == 0 || a == b) return a;
  const std::uint32_t rb = (((a & 0x00FF00FFu) * (256 - w) + (b & 0x00FF00FFu) * w) >> 8);
  const std::uint32_t ag = (((a >> 8) & 0x00FF00FFu) * (256 - w) + ((b >> 8) & 0x00FF00FFu) * w);
  return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
}

std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
  const std::uint32_t a = src >> 24;
  if (a == 255) return src;
  if (a == 0) return dst;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t s = (src >> shift) & 0xFF;
    const std::uint32_t d = (dst >> shift) & 0xFF;
    out |= std::min<std::uint32_t>(255, s + (d * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

BackBuffer::~BackBuffer() {
  Release();
}

void BackBuffer::Release() {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

bool BackBuffer::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (dc_ && width == width_ && height == height_) return true;
  Release();
  const Dib dib = CreateDib(width, height);
  bitmap_ = dib.handle;
  if (!bitmap_) return false;
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  bits_ = dib.bits;
  width_ = width;
  height_ = height;
  return true;
}

void BlendPicture(std::uint32_t* target, int targetWidth, int targetHeight, const RECT& clip,
                  const Pixels& picture, const RECT& to) {
  const int toWidth = to.right - to.left;
  const int toHeight = to.bottom - to.top;
  if (!picture || toWidth <= 0 || toHeight <= 0) return;
  RECT r = Intersection(Intersection(clip, to), RECT{0, 0, targetWidth, targetHeight});
  if (IsRectEmpty(&r)) return;

  const std::vector<Sample> xs =
      Samples(r.left - to.left, r.right - r.left, toWidth, picture.width);
  const std::vector<Sample> ys =
      Samples(r.top - to.top, r.bottom - r.top, toHeight, picture.height);
  for (int y = r.top; y < r.bottom; ++y) {
    const Sample& sy = ys[static_cast<size_t>(y - r.top)];
    const std::uint32_t* row0 = picture.data + static_cast<size_t>(sy.lo) * picture.width;
    const std::uint32_t* row1 = picture.data + static_cast<size_t>(sy.hi) * picture.width;
    std::uint32_t* out = target + static_cast<size_t>(y) * targetWidth;
    for (int x = r.left; x < r.right; ++x) {
      const Sample& sx = xs[static_cast<size_t>(x - r.left)];
      const std::uint32_t top = Lerp(row0[sx.lo], row0[sx.hi], sx.weight);
      const std::uint32_t bottom = Lerp(row1[sx.lo], row1[sx.hi], sx.weight);
      out[x] = Over(Lerp(top, bottom, sy.weight), out[x]);
    }
  }
}

void FormPainter::Paint(const Form& form, BackBuffer& target, int dpi) {
  form_ = &form;
  target_ = &target;
  dpi_ = dpi;
  const RECT all{0, 0, target.Width(), target.Height()};
  HDC dc = target.Dc();
  Fill(dc, all, ToColorRef(form.BackColor()));
  SetBkMode(dc, TRANSPARENT);
  Children(nullptr, 0, 0, all);
  GdiFlush();
}

RECT FormPainter::Rect(const Control& c, Twips x, Twips y) const {
  const Twips left = x + c.Left();
  const Twips top = y + c.Top();
  return {Px(left, dpi_), Px(top, dpi_), Px(left + c.Width(), dpi_), Px(top + c.Height(), dpi_)};
}

void FormPainter::Children(const Control* container, Twips x, Twips y, const RECT& clip) {
  const std::vector<Control*> children = form_->ChildrenOf(container);
  // Bottom first; containers always lie over the windowless controls beside them.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const Control& c = **it;
    if (!c.Visible()) continue;
    if (c.Kind() == ControlKind::Image) Image(c, x, y, clip);
    if (c.Kind() == ControlKind::Label) Label(c, x, y, clip);
  }
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->IsContainer() && (*it)->Visible()) Container(**it, x, y, clip);
  }
}

void FormPainter::Container(const Control& c, Twips x, Twips y, const RECT& clip) {
  const RECT r = Rect(c, x, y);
  const RECT inside = Intersection(r, clip);
  if (IsRectEmpty(&inside)) return;
  HDC dc = target_->Dc();
  Fill(dc, inside, ToColorRef(c.BackColor()));
  if (c.Kind() == ControlKind::Frame) {
    SaveDC(dc);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    GroupBox(c, r);
    RestoreDC(dc, -1);
  } else if (!c.GetPicture().empty()) {
    // A shrunk picture has the screen's pixels, more or fewer than its size in the model says.
    const Picture& picture = c.GetPicture();
    const Pixels pixels = pictures_.Get(picture);
    const RECT to{r.left, r.top,
                  r.left + Scaled(picture.width ? picture.width : pixels.width, dpi_),
                  r.top + Scaled(picture.height ? picture.height : pixels.height, dpi_)};
    GdiFlush();
    BlendPicture(target_->Bits(), target_->Width(), target_->Height(), inside, pixels, to);
  }
  Children(&c, x + c.Left(), y + c.Top(), inside);
}

void FormPainter::GroupBox(const Control& frame, const RECT& r) {
  HDC dc = target_->Dc();
  const HGDIOBJ oldFont = SelectObject(dc, fonts_.Get(frame.GetFont(), dpi_));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  RECT edge = r;
  edge.top += tm.tmHeight / 2;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);

  const std::wstring caption = Widen(frame.Caption());
  if (!caption.empty()) {
    RECT text{r.left + Scaled(8, dpi_), r.top, r.right - Scaled(8, dpi_), r.top + tm.tmHeight};
    RECT measured = text;
    DrawTextW(dc, caption.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    RECT back{measured.left - Scaled(2, dpi_), text.top,
              std::min(measured.right + Scaled(2, dpi_), text.right), text.bottom};
    Fill(dc, back, ToColorRef(frame.BackColor()));
    SetTextColor(dc, frame.Enabled() ? ToColorRef(frame.ForeColor()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  SelectObject(dc, oldFont);
}

void FormPainter::Image(const Control& c, Twips x, Twips y, const RECT& clip) {
  const RECT r = Rect(c, x, y);
  if (!c.GetPicture().empty()) {
    const Pixels pixels = pictures_.Get(c.GetPicture());
    const RECT to = c.Stretch() ? r
                                : RECT{r.left, r.top, r.left + Scaled(pixels.width, dpi_),
                                       r.top + Scaled(pixels.height, dpi_)};
    GdiFlush();
    BlendPicture(target_->Bits(), target_->Width(), target_->Height(), clip, pixels, to);
  }
  if (static_cast<const zorvik::Image&>(c).Border()) {
    HDC dc = target_->Dc();
    SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    SetDCBrushColor(dc, RGB(64, 64, 64));
    const HBRUSH line = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const int w = std::max(1, Scaled(1, dpi_));
    for (int i = 0; i < w; ++i) {
      const RECT ring{r.left + i, r.top + i, r.right - i, r.bottom - i};
      FrameRect(dc, &ring, line);
    }
    RestoreDC(dc, -1);
  }
}

void FormPainter::Label(const Control& c, Twips x, Twips y, const RECT& clip) {
  const std::wstring text = Widen(c.Caption());
  if (text.empty()) return;
  RECT r = Rect(c, x, y);
  const RECT inside = Intersection(r, clip);
  if (IsRectEmpty(&inside)) return;
  HDC dc = target_->Dc();
  SaveDC(dc);
  IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  SelectObject(dc, fonts_.Get(c.GetFont(), dpi_));
  const UINT format =
      DT_WORDBREAK | (static_cast<const zorvik::Label&>(c).Centered() ? DT_CENTER : DT_LEFT);
  if (c.Enabled()) {
    SetTextColor(dc, ToColorRef(c.ForeColor()));
    DrawTextW(dc, text.c_str(), -1, &r, format);
  } else {
    // The engraved look of disabled text.
    RECT lit = r;
    OffsetRect(&lit, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), -1, &lit, format);
    SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    DrawTextW(dc, text.c_str(), -1, &r, format);
  }
  RestoreDC(dc, -1);
}

}  // namespace zorvik::win32
