// Shrinks a picture row by row: each pixel of the result is the mean of the part of the picture
// it covers, every source pixel weighted by how much of it lies inside (a box filter). Rows come
// top first, one at a time, so that a large picture never has to be held whole.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/picture_plan.h"

namespace zorvik {

class Shrinker {
 public:
  // The result is at most as large as the picture each way, and at least a pixel.
  Shrinker(PixelSize from, PixelSize to);
  // One row of `from.width` pixels, 0xAARRGGBB with premultiplied alpha; rows past the last
  // are ignored.
  void AddRow(const std::uint32_t* row);
  // The shrunk picture, top row first, once every row has been added.
  const std::vector<std::uint32_t>& Result() const { return result_; }
  PixelSize Size() const { return to_; }

 private:
  struct Span {
    int first;         // the first result pixel the source pixel touches
    std::int64_t own;  // its share in that one; the rest goes to the next
  };
  static std::vector<Span> Spans(int from, int to);
  void Finish(int row);

  PixelSize from_, to_;
  std::vector<Span> columns_, rows_;
  std::vector<std::uint64_t> horizontal_;  // one source row, four channels a result pixel
  std::vector<std::uint64_t> current_, next_;
  std::vector<std::uint32_t> result_;
  int added_ = 0;
};

}  // namespace zorvik
