#include "win32/pictures.h"

#include <cstring>
#include <stdexcept>
#include <vector>

#include "win32/unicode.h"

namespace zorvik::win32 {

Dib CreateDib(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Dib dib;
  void* bits = nullptr;
  dib.handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dib.bits = static_cast<std::uint32_t*>(bits);
  return dib;
}

namespace {

constexpr int kLargestSide = 16384;

std::shared_ptr<const void> Share(HBITMAP bitmap) {
  return std::shared_ptr<const void>(
      bitmap, [](const void* p) { DeleteObject(static_cast<HGDIOBJ>(const_cast<void*>(p))); });
}

// Pictures without alpha leave the top byte zero; those with it get premultiplied for blending.
void FinishAlpha(std::uint32_t* px, size_t count) {
  bool hasAlpha = false;
  for (size_t i = 0; i < count && !hasAlpha; ++i) {
    hasAlpha = (px[i] >> 24) != 0;
  }
  for (size_t i = 0; i < count; ++i) {
    if (!hasAlpha) {
      px[i] |= 0xFF000000u;
      continue;
    }
    const std::uint32_t a = px[i] >> 24;
    if (a == 255) continue;
    const auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    px[i] = (a << 24) | (mul((px[i] >> 16) & 0xFF) << 16) | (mul((px[i] >> 8) & 0xFF) << 8) |
            mul(px[i] & 0xFF);
  }
}

template <class T>
bool ReadAt(std::string_view bytes, size_t offset, T& out) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, bytes.data() + offset, sizeof(T));
  return true;
}

// A .bmp file: its header tells the layout, GDI converts whatever it holds into the DIB.
HBITMAP DecodeBmp(std::string_view bytes, int& width, int& height, std::string& error) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  const size_t infoAt = sizeof file;
  if (!ReadAt(bytes, 0, file) || !ReadAt(bytes, infoAt, info) || info.biSize < sizeof info ||
      info.biSize > bytes.size() - infoAt) {
    error = "the bitmap is damaged.";
    return nullptr;
  }
  const LONG w = info.biWidth;
  const LONG h = info.biHeight < 0 ? -info.biHeight : info.biHeight;
  if (w <= 0 || h <= 0 || w > kLargestSide || h > kLargestSide || info.biPlanes != 1) {
    error = "the bitmap has no usable size.";
    return nullptr;
  }
  const bool compressed = info.biCompression == BI_RLE8 || info.biCompression == BI_RLE4;
  const size_t stride = ((static_cast<size_t>(w) * info.biBitCount + 31) / 32) * 4;
  const size_t bitsSize = compressed ? info.biSizeImage : stride * static_cast<size_t>(h);
  size_t colors = info.biClrUsed;
  if (colors == 0 && info.biBitCount <= 8) colors = size_t{1} << info.biBitCount;
  if (colors > 256) colors = 256;
  size_t masks = 0;
  if (info.biCompression == BI_BITFIELDS && info.biSize == sizeof info) masks = 3;
  const size_t headerSize = info.biSize + (masks + colors) * sizeof(RGBQUAD);
  if (headerSize > bytes.size() - infoAt || file.bfOffBits > bytes.size() ||
      bitsSize > bytes.size() - file.bfOffBits || bitsSize == 0) {
    error = "the bitmap is damaged.";
    return nullptr;
  }

  // Aligned copies: GDI reads these structures as they are.
  std::vector<std::uint32_t> header((headerSize + 3) / 4);
  std::memcpy(header.data(), bytes.data() + infoAt, headerSize);
  std::vector<std::uint32_t> bits((bitsSize + 3) / 4);
  std::memcpy(bits.data(), bytes.data() + file.bfOffBits, bitsSize);

  Dib dib = CreateDib(w, h);
  if (!dib.handle) {
    error = "there is not enough memory for it.";
    return nullptr;
  }
  const auto* format = reinterpret_cast<const BITMAPINFO*>(header.data());
  // 32-bit pixels in the usual byte order are copied by hand: GDI need not keep the alpha byte.
  DWORD channelMasks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0};
  if (info.biCompression == BI_BITFIELDS) {
    for (int i = 0; i < 3; ++i) {
      ReadAt(bytes, infoAt + 40 + 4 * i, channelMasks[i]);
    }
    if (info.biSize >= 56) ReadAt(bytes, infoAt + 52, channelMasks[3]);
  }
  const bool plain32 = info.biBitCount == 32 &&
                       (info.biCompression == BI_RGB || info.biCompression == BI_BITFIELDS) &&
                       channelMasks[0] == 0x00FF0000u && channelMasks[1] == 0x0000FF00u &&
                       channelMasks[2] == 0x000000FFu;
  if (plain32) {
    for (LONG y = 0; y < h; ++y) {
      const LONG from = info.biHeight < 0 ? y : h - 1 - y;
      std::memcpy(dib.bits + static_cast<size_t>(y) * w,
                  reinterpret_cast<const char*>(bits.data()) + static_cast<size_t>(from) * stride,
                  static_cast<size_t>(w) * 4);
    }
    if (info.biCompression == BI_BITFIELDS && channelMasks[3] != 0xFF000000u) {
      for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
        dib.bits[i] &= 0x00FFFFFFu;
      }
    }
  } else {
    HDC screen = GetDC(nullptr);
    const int rows =
        SetDIBits(screen, dib.handle, 0, static_cast<UINT>(h), bits.data(), format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    if (rows <= 0) {
      DeleteObject(dib.handle);
      error = "this kind of bitmap is not supported.";
      return nullptr;
    }
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
      dib.bits[i] &= 0x00FFFFFFu;
    }
  }
  FinishAlpha(dib.bits, static_cast<size_t>(w) * h);
  width = w;
  height = h;
  return dib.handle;
}

// Everything else goes through OLE, which reads JPEG on every Windows.
HBITMAP DecodeOle(std::string_view bytes, int& width, int& height, std::string& error) {
  error = "it is not a picture that Zorvik can show.";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE,
                                        IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || !picture) return nullptr;

  OLE_XSIZE_HIMETRIC hmWidth = 0;
  OLE_YSIZE_HIMETRIC hmHeight = 0;
  picture->get_Width(&hmWidth);
  picture->get_Height(&hmHeight);
  // Bitmaps know their pixels; other kinds are sized as they would show at 96 dots per inch.
  int w = MulDiv(hmWidth, 96, 2540);
  int h = MulDiv(hmHeight, 96, 2540);
  SHORT type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture->get_Handle(&handle))) {
    BITMAP bm{};
    if (GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bm, &bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight;
    }
  }
  Dib dib;
  if (w > 0 && h > 0 && w <= kLargestSide && h <= kLargestSide) dib = CreateDib(w, h);
  if (dib.handle) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib.handle);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    picture->Render(dc, 0, 0, w, h, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
    GdiFlush();
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
      dib.bits[i] |= 0xFF000000u;
    }
    width = w;
    height = h;
    error.clear();
  }
  picture->Release();
  return dib.handle;
}

}  // namespace

std::shared_ptr<const void> DecodePicture(std::string_view bytes, int& width, int& height,
                                          std::string& error) {
  if (bytes.empty()) {
    error = "the file is empty.";
    return nullptr;
  }
  const bool bmp = bytes.size() > 2 && bytes[0] == 'B' && bytes[1] == 'M';
  HBITMAP bitmap =
      bmp ? DecodeBmp(bytes, width, height, error) : DecodeOle(bytes, width, height, error);
  return bitmap ? Share(bitmap) : nullptr;
}

Pixels PixelsOf(const void* image) {
  DIBSECTION dib{};
  if (!image ||
      GetObjectW(static_cast<HGDIOBJ>(const_cast<void*>(image)), sizeof dib, &dib) != sizeof dib) {
    return {};
  }
  return {static_cast<const std::uint32_t*>(dib.dsBm.bmBits), dib.dsBm.bmWidth, dib.dsBm.bmHeight};
}

Pixels PictureStore::Get(const Picture& picture) {
  if (picture.native) return PixelsOf(picture.native.get());
  if (picture.empty()) return {};
  auto found = resources_.find(picture.name);
  if (found == resources_.end()) {
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(self, Widen(picture.name).c_str(), RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(self, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw std::runtime_error("the picture " + picture.name + " is missing.");
    std::string error;
    int w = 0, h = 0;
    auto image = DecodePicture(
        std::string_view(static_cast<const char*>(data), SizeofResource(self, resource)), w, h,
        error);
    if (!image) {
      throw std::runtime_error("the picture " + picture.name + " can't be shown: " + error);
    }
    found = resources_.emplace(picture.name, std::move(image)).first;
  }
  return PixelsOf(found->second.get());
}

}  // namespace zorvik::win32
