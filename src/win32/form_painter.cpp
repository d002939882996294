#include "win32/form_painter.h"

#include <algorithm>
#include <cmath>
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

std::uint32_t Grey(std::uint32_t px, std::uint32_t fade) {
  const std::uint32_t a = px >> 24;
  const std::uint32_t luma =
      (((px >> 16) & 0xFF) * 77 + ((px >> 8) & 0xFF) * 151 + (px & 0xFF) * 28) >> 8;
  std::uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    // The fade colour is scaled by the pixel's cover, as the pixels are premultiplied.
    const std::uint32_t toward = ((fade >> shift) & 0xFF) * a / 255;
    out |= ((luma + toward) / 2) << shift;
  }
  return out;
}

// The skin's button as resources/make-pictures draws it: a rounded rectangle of corner radius 7
// in a picture of 102 x 30 pixels, reaching from 0.5 to 101.5 across and from 0.5 to 28.5 down
// (its shadow takes the rest).
constexpr double kButtonWidth = 102, kButtonHeight = 30;
constexpr double kRimLeft = 0.5, kRimTop = 0.5, kRimRight = 101.5, kRimBottom = 28.5,
                 kRimRadius = 7;

double RimDistanceInPicture(double x, double y) {
  const double qx =
      std::abs(x - (kRimLeft + kRimRight) / 2) - ((kRimRight - kRimLeft) / 2 - kRimRadius);
  const double qy =
      std::abs(y - (kRimTop + kRimBottom) / 2) - ((kRimBottom - kRimTop) / 2 - kRimRadius);
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
         kRimRadius;
}

std::uint32_t Mix(std::uint32_t rgb, std::uint32_t dst, double cover) {
  const int w = std::clamp(static_cast<int>(cover * 256 + 0.5), 0, 256);
  return Lerp(dst, 0xFF000000u | rgb, w) | 0xFF000000u;
}

}  // namespace

double ButtonRimDistance(double x, double y, const RECT& to) {
  const double sx = (to.right - to.left) / kButtonWidth;
  const double sy = (to.bottom - to.top) / kButtonHeight;
  if (sx <= 0 || sy <= 0) return 1e9;
  const auto d = [&](double px, double py) {
    return RimDistanceInPicture((px - to.left) / sx, (py - to.top) / sy);
  };
  // The picture is stretched unevenly: the distance is measured along the steepest way out.
  const double dx = d(x + 0.5, y) - d(x - 0.5, y);
  const double dy = d(x, y + 0.5) - d(x, y - 0.5);
  const double slope = std::hypot(dx, dy);
  return slope > 0 ? d(x, y) / slope : d(x, y) * std::min(sx, sy);
}

namespace {

// Draws a line along the edge of a shape, given by its distance from a point, `offset` pixels
// outside it.
template <class Distance>
void StrokeEdge(BackBuffer& target, const RECT& clip, const RECT& to, double offset, double width,
                std::uint32_t rgb, double opacity, Distance distance) {
  RECT area = to;
  const int reach = static_cast<int>(std::ceil(offset + width)) + 2;
  InflateRect(&area, reach, reach);
  area = Intersection(Intersection(area, clip), RECT{0, 0, target.Width(), target.Height()});
  GdiFlush();
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint32_t* row = target.Bits() + static_cast<size_t>(y) * target.Width();
    for (int x = area.left; x < area.right; ++x) {
      const double d = distance(x + 0.5, y + 0.5) - offset;
      const double cover = std::clamp(width / 2 + 0.5 - std::abs(d), 0.0, 1.0) * opacity;
      if (cover > 0) row[x] = Mix(rgb, row[x], cover);
    }
  }
}

// Distance from a rectangle whose corners are rounded as far as its shorter side allows: a
// circle round a square, a capsule round a long box.
double RoundBoxDistance(double x, double y, const RECT& r) {
  const double halfW = (r.right - r.left) / 2.0, halfH = (r.bottom - r.top) / 2.0;
  const double radius = std::min(halfW, halfH);
  const double qx = std::abs(x - (r.left + halfW)) - (halfW - radius);
  const double qy = std::abs(y - (r.top + halfH)) - (halfH - radius);
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
         radius;
}

}  // namespace

void StrokeButtonRim(BackBuffer& target, const RECT& clip, const RECT& to, double offset,
                     double width, std::uint32_t rgb, double opacity) {
  StrokeEdge(target, clip, to, offset, width, rgb, opacity,
             [&to](double x, double y) { return ButtonRimDistance(x, y, to); });
}

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
                  const Pixels& picture, const RECT& to, bool greyed, std::uint32_t fade) {
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
      const std::uint32_t px = Lerp(top, bottom, sy.weight);
      out[x] = Over(greyed ? Grey(px, fade) : px, out[x]);
    }
  }
}

void FormPainter::Paint(const Form& form, BackBuffer& target, int dpi, const Control* focused) {
  form_ = &form;
  target_ = &target;
  dpi_ = dpi;
  const RECT all{0, 0, target.Width(), target.Height()};
  HDC dc = target.Dc();
  Fill(dc, all, ToColorRef(form.BackColor()));
  SetBkMode(dc, TRANSPARENT);
  Children(nullptr, 0, 0, all);
  if (focused) FocusLook(*focused);
  GdiFlush();
}

// A ring in the skin's blue round the button, a little outside its rim. The stretched pictures
// are the skin's buttons; the help icon and the banner's handle get a ring round their own box.
void FormPainter::FocusLook(const Control& c) {
  Twips x = 0, y = 0;
  form_->FormPosition(c, x, y);
  const RECT r{Px(x, dpi_), Px(y, dpi_), Px(x + c.Width(), dpi_), Px(y + c.Height(), dpi_)};
  const double unit = dpi_ / static_cast<double>(kBaseDpi);
  const RECT all{0, 0, target_->Width(), target_->Height()};
  const auto& image = static_cast<const zorvik::Image&>(c);
  if (image.Stretch()) {
    StrokeButtonRim(*target_, all, r, 2.5 * unit, 1.6 * unit, 0x1E68C4, 1.0);
  } else {
    StrokeEdge(*target_, all, r, 1.5 * unit, 1.6 * unit, 0x1E68C4, 1.0,
               [&r](double px, double py) { return RoundBoxDistance(px, py, r); });
  }
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
    // A disabled picture looks disabled, as its caption does.
    const COLORREF back =
        ToColorRef(c.Container() ? c.Container()->BackColor() : form_->BackColor());
    BlendPicture(target_->Bits(), target_->Width(), target_->Height(), clip, pixels, to,
                 !c.Enabled(), (GetRValue(back) << 16) | (GetGValue(back) << 8) | GetBValue(back));
  }
  // The frame of a pressed button: its rim drawn in deep navy.
  if (static_cast<const zorvik::Image&>(c).Border()) {
    const double unit = dpi_ / static_cast<double>(kBaseDpi);
    StrokeButtonRim(*target_, clip, r, 0.25 * unit, 1.2 * unit, 0x283A58, 0.85);
  }
}

void FormPainter::Label(const Control& c, Twips x, Twips y, const RECT& clip) {
  const std::wstring text = Widen(c.Caption());
  if (text.empty()) return;
  const auto& label = static_cast<const zorvik::Label&>(c);
  RECT r = Rect(c, x, y);
  // A caption on its middle line may reach a little past its box, above, below or, when a long
  // word doesn't fit, to the sides: what lies round it is the button's picture, which the box
  // only marks out. Other labels keep to their boxes.
  const RECT inside = label.Middle() ? clip : Intersection(r, clip);
  if (IsRectEmpty(&inside)) return;
  HDC dc = target_->Dc();
  SaveDC(dc);
  IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  SelectObject(dc, fonts_.Get(c.GetFont(), dpi_));
  const UINT format = DT_WORDBREAK | (label.Centered() ? DT_CENTER : DT_LEFT);
  if (label.Middle()) OffsetRect(&r, 0, MiddleOffset(dc, text, r, format));
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

// How far down the text must move for the middle of its capitals, from the first line's cap
// line to the last line's baseline, to lie on the box's middle line.
int FormPainter::MiddleOffset(HDC dc, const std::wstring& text, const RECT& box, UINT format) {
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  int caps = tm.tmAscent - tm.tmInternalLeading;
  OUTLINETEXTMETRICW otm{};
  otm.otmSize = sizeof otm;
  if (GetOutlineTextMetricsW(dc, sizeof otm, &otm) && otm.otmsCapEmHeight > 0) {
    caps = static_cast<int>(otm.otmsCapEmHeight);
  }
  RECT measured = box;
  DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
  const int lines =
      std::max<int>(1, (measured.bottom - measured.top) / std::max<int>(1, tm.tmHeight));
  // Twice the middle of the capitals, from the text's top, so that halves don't round away.
  const int capsMiddle2 = (tm.tmAscent - caps) + (lines - 1) * tm.tmHeight + tm.tmAscent;
  return ((box.bottom - box.top) - capsMiddle2 + 1) / 2;
}

}  // namespace zorvik::win32
