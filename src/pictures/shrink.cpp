#include "pictures/shrink.h"

#include <algorithm>

namespace zorvik {

// In units of 1/to of a source pixel, source pixel i spans [i*to, (i+1)*to) and result pixel x
// spans [x*from, (x+1)*from): every source pixel lies within at most two result pixels.
std::vector<Shrinker::Span> Shrinker::Spans(int from, int to) {
  std::vector<Span> spans(static_cast<size_t>(from));
  for (int i = 0; i < from; ++i) {
    const std::int64_t start = std::int64_t{i} * to;
    const int first = static_cast<int>(start / from);
    const std::int64_t end = std::int64_t{first + 1} * from;
    spans[static_cast<size_t>(i)] = {first, std::min<std::int64_t>(to, end - start)};
  }
  return spans;
}

Shrinker::Shrinker(PixelSize from, PixelSize to) : from_(from) {
  from_.width = std::max(from.width, 1);
  from_.height = std::max(from.height, 1);
  to_.width = std::clamp(to.width, 1, from_.width);
  to_.height = std::clamp(to.height, 1, from_.height);
  columns_ = Spans(from_.width, to_.width);
  rows_ = Spans(from_.height, to_.height);
  horizontal_.resize(static_cast<size_t>(to_.width) * 4);
  current_.resize(horizontal_.size());
  next_.resize(horizontal_.size());
  result_.resize(static_cast<size_t>(to_.width) * to_.height);
}

void Shrinker::AddRow(const std::uint32_t* row) {
  if (added_ >= from_.height) return;
  std::fill(horizontal_.begin(), horizontal_.end(), 0);
  const std::int64_t whole = to_.width;
  for (int i = 0; i < from_.width; ++i) {
    const Span s = columns_[static_cast<size_t>(i)];
    const std::uint32_t p = row[i];
    std::uint64_t* out = &horizontal_[static_cast<size_t>(s.first) * 4];
    for (int c = 0; c < 4; ++c) {
      const std::uint64_t v = (p >> (8 * c)) & 0xFF;
      out[c] += v * static_cast<std::uint64_t>(s.own);
      if (s.own < whole) out[4 + c] += v * static_cast<std::uint64_t>(whole - s.own);
    }
  }
  const Span s = rows_[static_cast<size_t>(added_)];
  const std::int64_t tall = to_.height;
  for (size_t k = 0; k < horizontal_.size(); ++k) {
    current_[k] += horizontal_[k] * static_cast<std::uint64_t>(s.own);
    if (s.own < tall) next_[k] += horizontal_[k] * static_cast<std::uint64_t>(tall - s.own);
  }
  ++added_;
  // The result row is complete when this source row reaches its lower edge; the last source
  // row ends where the last result row does.
  const bool last = added_ == from_.height;
  if (last || s.own < tall || rows_[static_cast<size_t>(added_)].first != s.first) {
    Finish(s.first);
    current_.swap(next_);
    std::fill(next_.begin(), next_.end(), 0);
  }
}

void Shrinker::Finish(int row) {
  const std::uint64_t area = std::uint64_t(from_.width) * std::uint64_t(from_.height);
  std::uint32_t* out = &result_[static_cast<size_t>(row) * to_.width];
  for (int x = 0; x < to_.width; ++x) {
    std::uint32_t p = 0;
    for (int c = 0; c < 4; ++c) {
      // A mean of bytes, rounded: a byte again.
      const std::uint64_t v = (current_[static_cast<size_t>(x) * 4 + c] + area / 2) / area;
      p |= static_cast<std::uint32_t>(v) << (8 * c);
    }
    out[x] = p;
  }
}

}  // namespace zorvik
