#include "win32/pictures.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/launcher.h"
#include "pictures/jpeg_eighth.h"
#include "pictures/shrink.h"
#include "win32/unicode.h"
// windows_api.h first: the imaging component's header depends on it.
#include <wincodec.h>

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

// A COM pointer that lets go of its object.
template <class T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p_) p_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  T** Out() { return &p_; }
  void** OutVoid() { return reinterpret_cast<void**>(&p_); }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// The imaging component's factory, made at the first picture (COM is up by then) and kept for
// the program's life.
IWICImagingFactory* Factory() {
  static IWICImagingFactory* factory = [] {
    IWICImagingFactory* made = nullptr;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     __uuidof(IWICImagingFactory), reinterpret_cast<void**>(&made));
    return made;
  }();
  return factory;
}

// The eighth-size reader takes its bytes from the same stream the codecs read.
class StreamSource : public ByteSource {
 public:
  explicit StreamSource(IStream* stream) : stream_(stream) {}
  size_t Read(unsigned char* into, size_t count) override {
    ULONG got = 0;
    const HRESULT hr = stream_->Read(into, static_cast<ULONG>(count), &got);
    return SUCCEEDED(hr) ? got : 0;
  }

 private:
  IStream* stream_;
};

bool Rewind(IStream* stream) {
  LARGE_INTEGER start{};
  return SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr));
}

std::shared_ptr<const void> Share(HBITMAP bitmap) {
  return std::shared_ptr<const void>(
      bitmap, [](const void* p) { DeleteObject(static_cast<HGDIOBJ>(const_cast<void*>(p))); });
}

// Where a picture of this size is to be shown within a box of 96-DPI pixels, and how many
// pixels of a screen of `dpi` that takes.
struct Fitting {
  Fitting(PixelSize size, PixelSize box, int dpi)
      : screenBox{MulDiv(box.width, dpi, 96), MulDiv(box.height, dpi, 96)},
        shown(FitWithin(size, box)),
        pixels(shown == size ? size : FitWithin(size, screenBox)) {}
  PixelSize screenBox;
  PixelSize shown;
  PixelSize pixels;
};

// Rows become the picture: copied as they are when it keeps its size, shrunk otherwise.
class Output {
 public:
  Output(PixelSize from, PixelSize wanted) : from_(from) {
    const PixelSize size{std::min(from.width, wanted.width), std::min(from.height, wanted.height)};
    if (size != from) shrinker_.emplace(from, size);
    dib_ = CreateDib(size.width, size.height);
  }
  ~Output() {
    if (dib_.handle) DeleteObject(dib_.handle);
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  bool Made() const { return dib_.handle != nullptr; }
  void Row(const std::uint32_t* row) {
    if (shrinker_) {
      shrinker_->AddRow(row);
    } else if (rows_ < from_.height) {
      std::memcpy(dib_.bits + static_cast<size_t>(rows_) * from_.width, row,
                  static_cast<size_t>(from_.width) * 4);
    }
    ++rows_;
  }
  std::shared_ptr<const void> Finish() {
    if (shrinker_) {
      const std::vector<std::uint32_t>& px = shrinker_->Result();
      std::copy(px.begin(), px.end(), dib_.bits);
    }
    GdiFlush();
    const HBITMAP done = dib_.handle;
    dib_.handle = nullptr;
    return Share(done);
  }

 private:
  PixelSize from_;
  std::optional<Shrinker> shrinker_;
  Dib dib_;
  int rows_ = 0;
};

constexpr const char* kNotAPicture = "it is not a picture that Zorvik can show.";
constexpr const char* kDamaged = "the picture is damaged.";
constexpr const char* kNoMemory = "there is not enough memory for it.";

DecodedPicture ReadEighth(JpegEighth& jpeg, const Fitting& fit, std::string& error) {
  const std::optional<EighthPicture> eighth = jpeg.ReadEighth(kLargestEighth, error);
  if (!eighth) return {};
  Output out(eighth->size, fit.pixels);
  if (!out.Made()) {
    error = kNoMemory;
    return {};
  }
  for (int y = 0; y < eighth->size.height; ++y) {
    out.Row(&eighth->pixels[static_cast<size_t>(y) * eighth->size.width]);
  }
  return {out.Finish(), fit.shown};
}

// The codecs: the one for the file's signature where it is plain, else whichever takes it.
DecodedPicture ReadWhole(IStream* stream, const unsigned char* head, size_t headSize, PixelSize box,
                         int dpi, std::string& error) {
  IWICImagingFactory* factory = Factory();
  error = kNotAPicture;
  if (!factory || !Rewind(stream)) return {};
  Com<IWICBitmapDecoder> decoder;
  const CLSID* codec = nullptr;
  if (headSize >= 2 && head[0] == 'B' && head[1] == 'M') codec = &CLSID_WICBmpDecoder;
  if (headSize >= 2 && head[0] == 0xFF && head[1] == 0xD8) codec = &CLSID_WICJpegDecoder;
  // Asking each codec in turn costs a look at every one registered; most files name theirs.
  if (codec) {
    if (FAILED(CoCreateInstance(*codec, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICBitmapDecoder),
                                decoder.OutVoid())) ||
        FAILED(decoder->Initialize(stream, WICDecodeMetadataCacheOnDemand))) {
      return {};
    }
  } else if (FAILED(factory->CreateDecoderFromStream(
                 stream, nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out()))) {
    return {};
  }
  Com<IWICBitmapFrameDecode> frame;
  UINT w = 0, h = 0;
  if (FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&w, &h)) ||
      w > kLargestPictureSide || h > kLargestPictureSide) {
    return {};
  }
  const PixelSize size{static_cast<int>(w), static_cast<int>(h)};
  if (!ReadableSize(size)) return {};
  const Fitting fit(size, box, dpi);
  if (PlanReading(size, fit.screenBox, false) == PictureReading::TooLarge) {
    error = kPictureTooLarge;
    return {};
  }
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return {};
  }
  Output out(size, fit.pixels);
  if (!out.Made()) {
    error = kNoMemory;
    return {};
  }
  // A strip at a time, so that no whole copy of a large picture is made here.
  const int strip = std::max(1, (1 << 20) / (size.width * 4));
  std::vector<std::uint32_t> rows(static_cast<size_t>(size.width) * strip);
  for (int y = 0; y < size.height; y += strip) {
    const int n = std::min(strip, size.height - y);
    const WICRect rect{0, y, size.width, n};
    if (FAILED(converter->CopyPixels(&rect, static_cast<UINT>(size.width) * 4,
                                     static_cast<UINT>(size.width) * 4 * n,
                                     reinterpret_cast<BYTE*>(rows.data())))) {
      error = kDamaged;
      return {};
    }
    for (int k = 0; k < n; ++k) {
      out.Row(&rows[static_cast<size_t>(k) * size.width]);
    }
  }
  error.clear();
  return {out.Finish(), fit.shown};
}

DecodedPicture Decode(IStream* stream, PixelSize box, int dpi, std::string& error) {
  StreamSource source(stream);
  unsigned char head[2] = {};
  const size_t headSize = source.Read(head, sizeof head);
  if (headSize == 0) {
    error = "the file is empty.";
    return {};
  }
  if (headSize == 2 && head[0] == 0xFF && head[1] == 0xD8 && Rewind(stream)) {
    JpegEighth jpeg(source);
    if (const std::optional<JpegFrame> frame = jpeg.ReadFrame()) {
      const Fitting fit(frame->size, box, dpi);
      switch (PlanReading(frame->size, fit.screenBox, frame->eighthPossible)) {
        case PictureReading::Eighth:
          return ReadEighth(jpeg, fit, error);
        case PictureReading::TooLarge:
          error = kPictureTooLarge;
          return {};
        case PictureReading::Whole:
          break;
      }
    }
  }
  return ReadWhole(stream, head, headSize, box, dpi, error);
}

}  // namespace

DecodedPicture DecodePicture(std::string_view bytes, PixelSize box, int dpi, std::string& error) {
  Com<IWICStream> stream;
  IWICImagingFactory* factory = Factory();
  if (!factory || FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size())))) {
    error = bytes.empty() ? "the file is empty." : kNotAPicture;
    return {};
  }
  return Decode(stream.Get(), box, dpi, error);
}

DecodedPicture DecodePictureFile(const std::wstring& path, PixelSize box, int dpi,
                                 std::string& error) {
  // A picture of a usual size is read in one go: the decoders go back to the start of the file,
  // which on a CD costs a seek each time.
  constexpr LONGLONG kReadWhole = 4 << 20;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = "the file can't be read.";
    return {};
  }
  LARGE_INTEGER size{};
  const bool small = GetFileSizeEx(file, &size) && size.QuadPart <= kReadWhole;
  std::string bytes(small ? static_cast<size_t>(size.QuadPart) : 0, '\0');
  DWORD got = 0;
  const bool read = small &&
                    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) &&
                    got == bytes.size();
  CloseHandle(file);
  if (small && !read) {
    error = "the file can't be read.";
    return {};
  }
  if (small) return DecodePicture(bytes, box, dpi, error);

  Com<IWICStream> stream;
  IWICImagingFactory* factory = Factory();
  if (!factory || FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_READ))) {
    error = "the file can't be read.";
    return {};
  }
  return Decode(stream.Get(), box, dpi, error);
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
    if (!data) throw Failure("the picture " + picture.name + " is missing.");
    std::string error;
    DecodedPicture decoded = DecodePicture(
        std::string_view(static_cast<const char*>(data), SizeofResource(self, resource)), {}, 96,
        error);
    if (!decoded.image) {
      throw Failure("the picture " + picture.name + " can't be shown: " + error);
    }
    found = resources_.emplace(picture.name, std::move(decoded.image)).first;
  }
  return PixelsOf(found->second.get());
}

}  // namespace zorvik::win32
