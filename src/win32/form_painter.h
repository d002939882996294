// Paints a form whose controls have no windows: the background, the containers, the images and
// the labels, in the model's stacking order, into an off-screen 32-bit buffer.
#pragma once

#include <cstdint>

#include "core/form.h"
#include "win32/fonts.h"
#include "win32/pictures.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

// An off-screen 32-bit DIB section with a DC, which both GDI and the blender draw into.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Gives the buffer this size; false when there is no memory for it.
  bool Resize(int width, int height);
  HDC Dc() const { return dc_; }
  std::uint32_t* Bits() const { return bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void Release();
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

// Blends a picture scaled into `to` (smoothly when the size differs) over the pixels of the
// target, within `clip`. A greyed picture loses its colours and fades toward `fade`, as
// disabled things do.
void BlendPicture(std::uint32_t* target, int targetWidth, int targetHeight, const RECT& clip,
                  const Pixels& picture, const RECT& to, bool greyed = false,
                  std::uint32_t fade = 0);

// Distance in target pixels from the rim of the skin's button stretched over `to`, as its
// pictures are; negative inside.
double ButtonRimDistance(double x, double y, const RECT& to);

// Draws a line along the rim of the skin's button stretched over `to`, `offset` pixels outside
// it, `width` pixels wide, in an RGB colour at an opacity from 0 to 1, within `clip`.
void StrokeButtonRim(BackBuffer& target, const RECT& clip, const RECT& to, double offset,
                     double width, std::uint32_t rgb, double opacity);

class FormPainter {
 public:
  FormPainter(PictureStore& pictures, FontCache& fonts) : pictures_(pictures), fonts_(fonts) {}
  // `focused`, when given, is the picture of the button that shows the keyboard focus.
  void Paint(const Form& form, BackBuffer& target, int dpi, const Control* focused = nullptr);

 private:
  void Children(const Control* container, Twips x, Twips y, const RECT& clip);
  void Container(const Control& c, Twips x, Twips y, const RECT& clip);
  void Image(const Control& c, Twips x, Twips y, const RECT& clip);
  void Label(const Control& c, Twips x, Twips y, const RECT& clip);
  static int MiddleOffset(HDC dc, const std::wstring& text, const RECT& box, UINT format);
  void GroupBox(const Control& frame, const RECT& r);
  RECT Rect(const Control& c, Twips x, Twips y) const;
  void FocusLook(const Control& c);

  PictureStore& pictures_;
  FontCache& fonts_;
  const Form* form_ = nullptr;
  BackBuffer* target_ = nullptr;
  int dpi_ = 96;
};

}  // namespace zorvik::win32
