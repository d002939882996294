// A JPEG read at an eighth of its size each way, from the mean value of each 8x8 block that the
// file keeps as it is (the block's DC coefficient): what a huge cover needs for a box of a few
// hundred pixels, in a few megabytes where decoding it whole takes hundreds. Windows' codecs do
// this themselves; Wine's decode every pixel first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/picture_plan.h"

namespace zorvik {

// Where a file's bytes come from, a piece at a time.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `count` bytes and says how many; 0 when nothing is left or reading failed.
  virtual size_t Read(unsigned char* into, size_t count) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  size_t Read(unsigned char* into, size_t count) override;

 private:
  std::string_view bytes_;
};

struct JpegFrame {
  PixelSize size;
  // Whether ReadEighth takes it: 8-bit samples, Huffman coded, sequential or progressive,
  // one, three or four components.
  bool eighthPossible = false;
};

struct EighthPicture {
  PixelSize size;                     // the picture's size divided by eight, rounded up
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, top row first
};

class JpegEighth {
 public:
  explicit JpegEighth(ByteSource& source);
  ~JpegEighth();
  JpegEighth(const JpegEighth&) = delete;
  JpegEighth& operator=(const JpegEighth&) = delete;

  // Reads up to the frame header. Nothing when the bytes are not a JPEG with a usable size.
  std::optional<JpegFrame> ReadFrame();
  // Reads the rest, after ReadFrame gave a frame it takes. Nothing, with the reason, when the
  // picture is damaged or its eighth has more than `largestPixels` pixels. Data that ends early
  // or a damaged scan leaves the blocks it didn't reach grey, as other decoders do.
  std::optional<EighthPicture> ReadEighth(std::int64_t largestPixels, std::string& error);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvik
