#include "pictures/jpeg_eighth.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zorvik {

size_t MemorySource::Read(unsigned char* into, size_t count) {
  const size_t n = std::min(count, bytes_.size());
  std::memcpy(into, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return n;
}

namespace {

// Markers, after their 0xFF.
constexpr int kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB, kDri = 0xDD, kDht = 0xC4;
constexpr int kDac = 0xCC, kJpg = 0xC8, kApp14 = 0xEE, kRst0 = 0xD0, kRst7 = 0xD7;
constexpr int kNoMarker = -1;

bool IsFrame(int m) {
  return m >= 0xC0 && m <= 0xCF && m != kDht && m != kJpg && m != kDac;
}
bool StandsAlone(int m) {
  return (m >= kRst0 && m <= kRst7) || m == 0x01 || m == kSoi;
}

// A Huffman table as a decoder walks it: a lookup of the first nine bits for the short codes,
// the canonical limits for the long ones.
struct Huffman {
  static constexpr int kFast = 9;
  bool defined = false;
  std::array<std::uint8_t, 1 << kFast> fastLength{};  // 0: the code is longer
  std::array<std::uint8_t, 1 << kFast> fastValue{};
  std::array<std::int32_t, 18> maxCode{};  // the largest code of each length, -1 when none
  std::array<std::int32_t, 17> offset{};   // code of length n: values[code + offset[n]]
  std::array<std::uint8_t, 256> values{};

  bool Build(const std::uint8_t* counts, const std::uint8_t* symbols, int total) {
    defined = false;
    fastLength.fill(0);
    int k = 0;
    std::int32_t code = 0;
    for (int len = 1; len <= 16; ++len) {
      offset[len] = k - code;
      for (int i = 0; i < counts[len - 1]; ++i, ++k, ++code) {
        // More codes of a length than the length can hold: not a prefix code.
        if (code >= (1 << len)) return false;
        if (len <= kFast) {
          const int first = code << (kFast - len), last = (code + 1) << (kFast - len);
          for (int f = first; f < last; ++f) {
            fastLength[f] = static_cast<std::uint8_t>(len);
            fastValue[f] = symbols[k];
          }
        }
      }
      maxCode[len] = counts[len - 1] ? code - 1 : -1;
      code <<= 1;
    }
    maxCode[17] = 0x7FFFFFFF;
    std::copy(symbols, symbols + total, values.begin());
    defined = true;
    return true;
  }
};

struct Component {
  int id = 0;
  int h = 1, v = 1;
  int table = 0;       // its quantisation table
  int blocksWide = 0;  // its block grid, padded to whole MCUs
  int blocksHigh = 0;
  int usedWide = 0;  // the blocks that hold picture, for scans of this component alone
  int usedHigh = 0;
  int quant = 0;  // the DC quantiser its first scan found
  std::vector<std::int16_t> dc;
  int predictor = 0;
  int dcTable = 0, acTable = 0;
};

}  // namespace

struct JpegEighth::State {
  explicit State(ByteSource& s) : source(s) {}

  // Bytes.
  ByteSource& source;
  std::array<unsigned char, 4096> buffer{};
  size_t at = 0, filled = 0;
  int Byte() {
    if (at == filled) {
      filled = source.Read(buffer.data(), buffer.size());
      at = 0;
      if (filled == 0) return -1;
    }
    return buffer[at++];
  }

  // Segments.
  int pendingMarker = kNoMarker;  // a marker the entropy decoder ran into
  int NextMarker() {
    if (pendingMarker != kNoMarker) {
      const int m = pendingMarker;
      pendingMarker = kNoMarker;
      return m;
    }
    for (;;) {
      int b = Byte();
      while (b != 0xFF && b >= 0)
        b = Byte();
      if (b < 0) return kNoMarker;
      do {
        b = Byte();
      } while (b == 0xFF);
      if (b < 0) return kNoMarker;
      if (b != 0) return b;
    }
  }
  bool Segment(std::vector<std::uint8_t>& out) {
    const int hi = Byte(), lo = Byte();
    if (hi < 0 || lo < 0) return false;
    const int length = hi * 256 + lo;
    if (length < 2) return false;
    out.resize(static_cast<size_t>(length - 2));
    for (std::uint8_t& b : out) {
      const int c = Byte();
      if (c < 0) return false;
      b = static_cast<std::uint8_t>(c);
    }
    return true;
  }

  // Tables and frame.
  std::array<Huffman, 4> dcTables, acTables;
  std::array<int, 4> quant{};  // the DC entry of each quantisation table, 0 while undefined
  int restartInterval = 0;
  std::optional<int> adobeTransform;  // the Adobe marker's colour transform, if it has one
  bool progressive = false;
  PixelSize size;
  int hMax = 1, vMax = 1, mcusWide = 0, mcusHigh = 0;
  std::vector<Component> components;
  bool scanned = false;

  bool Tables(int marker, const std::vector<std::uint8_t>& s) {
    size_t i = 0;
    if (marker == kDqt) {
      while (i < s.size()) {
        const int precision = s[i] >> 4, id = s[i] & 15;
        const size_t entries = precision ? 128 : 64;
        if (id > 3 || precision > 1 || s.size() - i - 1 < entries) return false;
        quant[static_cast<size_t>(id)] = precision ? s[i + 1] * 256 + s[i + 2] : s[i + 1];
        i += 1 + entries;
      }
    } else if (marker == kDht) {
      while (i < s.size()) {
        if (s.size() - i < 17) return false;
        const int kind = s[i] >> 4, id = s[i] & 15;
        int total = 0;
        for (int n = 0; n < 16; ++n)
          total += s[i + 1 + n];
        if (kind > 1 || id > 3 || total > 256 || s.size() - i - 17 < size_t(total)) return false;
        Huffman& t = (kind ? acTables : dcTables)[static_cast<size_t>(id)];
        if (!t.Build(s.data() + i + 1, s.data() + i + 17, total)) return false;
        i += 17 + static_cast<size_t>(total);
      }
    } else if (marker == kDri) {
      if (s.size() < 2) return false;
      restartInterval = s[0] * 256 + s[1];
    } else if (marker == kApp14) {
      if (s.size() >= 12 && std::memcmp(s.data(), "Adobe", 5) == 0) adobeTransform = s[11];
    }
    return true;
  }

  std::optional<JpegFrame> Frame(int marker, const std::vector<std::uint8_t>& s) {
    if (s.size() < 6) return std::nullopt;
    const int precision = s[0];
    size.height = s[1] * 256 + s[2];
    size.width = s[3] * 256 + s[4];
    const int count = s[5];
    // A height of 0 is given later by a marker this reader doesn't take; the size is unknown.
    if (size.width == 0 || size.height == 0 || count == 0 || s.size() < 6 + 3 * size_t(count)) {
      return std::nullopt;
    }
    JpegFrame frame{size, false};
    progressive = marker == 0xC2;
    const bool huffman8 = (marker == 0xC0 || marker == 0xC1 || progressive) && precision == 8;
    if (!huffman8 || (count != 1 && count != 3 && count != 4)) return frame;
    for (int c = 0; c < count; ++c) {
      Component k;
      k.id = s[6 + 3 * c];
      k.h = s[7 + 3 * c] >> 4;
      k.v = s[7 + 3 * c] & 15;
      k.table = s[8 + 3 * c];
      if (k.h < 1 || k.h > 4 || k.v < 1 || k.v > 4 || k.table > 3) return frame;
      for (const Component& other : components) {
        if (other.id == k.id) return frame;
      }
      components.push_back(k);
      hMax = std::max(hMax, k.h);
      vMax = std::max(vMax, k.v);
    }
    mcusWide = (size.width + 8 * hMax - 1) / (8 * hMax);
    mcusHigh = (size.height + 8 * vMax - 1) / (8 * vMax);
    for (Component& k : components) {
      k.blocksWide = mcusWide * k.h;
      k.blocksHigh = mcusHigh * k.v;
      k.usedWide = ((size.width * k.h + hMax - 1) / hMax + 7) / 8;
      k.usedHigh = ((size.height * k.v + vMax - 1) / vMax + 7) / 8;
    }
    frame.eighthPossible = true;
    return frame;
  }

  // Entropy-coded data. Past a marker the bits are zeros (`padding` of them at the end of the
  // buffer); a block that needs them has run out of data.
  std::uint32_t bits = 0;
  int bitCount = 0;
  int padding = 0;
  bool exhausted = false;
  void ResetBits() {
    bits = 0;
    bitCount = 0;
    padding = 0;
    exhausted = false;
  }
  void Consume(int n) {
    bits <<= n;
    bitCount -= n;
    if (bitCount < padding) {
      exhausted = true;
      padding = bitCount;
    }
  }
  // Keeps at least 25 bits ready; past the data's end (a marker) they are zeros.
  void Fill() {
    while (bitCount <= 24) {
      int b = 0;
      if (pendingMarker == kNoMarker) {
        b = Byte();
        if (b == 0xFF) {
          int next = Byte();
          while (next == 0xFF)
            next = Byte();
          if (next == 0) {
            b = 0xFF;
          } else {
            pendingMarker = next < 0 ? kEoi : next;
            b = 0;
          }
        } else if (b < 0) {
          pendingMarker = kEoi;
          b = 0;
        }
      }
      if (pendingMarker != kNoMarker) padding += 8;
      bits |= static_cast<std::uint32_t>(b) << (24 - bitCount);
      bitCount += 8;
    }
  }
  int Bits(int n) {
    if (n == 0) return 0;
    Fill();
    const int v = static_cast<int>(bits >> (32 - n));
    Consume(n);
    return v;
  }
  // A decoded symbol, or -1 for a code the table doesn't hold.
  int Decode(const Huffman& t) {
    Fill();
    const unsigned fast = bits >> (32 - Huffman::kFast);
    if (const int len = t.fastLength[fast]) {
      Consume(len);
      return t.fastValue[fast];
    }
    for (int len = Huffman::kFast + 1; len <= 16; ++len) {
      const std::int32_t code = static_cast<std::int32_t>(bits >> (32 - len));
      if (code <= t.maxCode[len]) {
        Consume(len);
        return t.values[static_cast<size_t>(code + t.offset[len])];
      }
    }
    return -1;
  }
  static int Extend(int v, int n) { return n == 0 ? 0 : v < (1 << (n - 1)) ? v - (1 << n) + 1 : v; }

  // One block of a scan; false when the data is damaged.
  bool Block(Component& k, int row, int col, int ss, int se, int ah, int al) {
    std::int16_t& dc = k.dc[static_cast<size_t>(row) * k.blocksWide + col];
    if (progressive && ah > 0) {
      if (Bits(1)) dc = static_cast<std::int16_t>(dc | (1 << al));
      return true;
    }
    const int s = Decode(dcTables[static_cast<size_t>(k.dcTable)]);
    if (s < 0 || s > 15) return false;
    const int difference = Extend(Bits(s), s);
    if (exhausted) return true;  // read in part past the data's end: the block wasn't reached
    // Damaged data can't take the predictor anywhere a real picture's DC values never go.
    k.predictor = std::clamp(k.predictor + difference, -32768, 32767);
    dc = static_cast<std::int16_t>(std::clamp(k.predictor * (1 << al), -32768, 32767));
    if (progressive) return true;
    // A sequential scan holds the block's other 63 coefficients too: they are passed over.
    const Huffman& ac = acTables[static_cast<size_t>(k.acTable)];
    for (int i = std::max(ss, 1); i <= se;) {
      const int rs = Decode(ac);
      if (rs < 0) return false;
      const int run = rs >> 4, n = rs & 15;
      if (n == 0) {
        if (run != 15) break;
        i += 16;
        continue;
      }
      i += run + 1;
      Bits(n);
    }
    return true;
  }

  // After every restart interval the data names the next restart marker.
  bool Restart() {
    ResetBits();  // and a damaged interval ends with it
    int m = pendingMarker;
    pendingMarker = kNoMarker;
    if (m == kNoMarker) m = NextMarker();
    for (Component& k : components)
      k.predictor = 0;
    if (m >= kRst0 && m <= kRst7) return true;
    pendingMarker = m;
    return false;
  }

  bool Scan(const std::vector<std::uint8_t>& s) {
    if (s.empty()) return false;
    const int count = s[0];
    if (count < 1 || count > 4 || s.size() < 1 + 2 * size_t(count) + 3) return false;
    std::vector<Component*> in;
    for (int c = 0; c < count; ++c) {
      const int id = s[1 + 2 * c];
      Component* found = nullptr;
      for (Component& k : components) {
        if (k.id == id) found = &k;
      }
      if (!found || std::find(in.begin(), in.end(), found) != in.end()) return false;
      found->dcTable = s[2 + 2 * c] >> 4;
      found->acTable = s[2 + 2 * c] & 15;
      if (found->dcTable > 3 || found->acTable > 3) return false;
      in.push_back(found);
    }
    const size_t p = 1 + 2 * size_t(count);
    const int ss = s[p], se = s[p + 1], ah = s[p + 2] >> 4, al = s[p + 2] & 15;
    // The other coefficients of a progressive file come in scans of their own; the search for
    // the next marker passes over them.
    if (progressive && ss > 0) return true;
    if (se > 63 || al > 13 || (progressive && se != 0) || (!progressive && (ss != 0 || se < ss))) {
      return false;
    }
    for (Component* k : in) {
      if (progressive && ah > 0) continue;
      if (!dcTables[static_cast<size_t>(k->dcTable)].defined) return false;
      if (!progressive && !acTables[static_cast<size_t>(k->acTable)].defined) return false;
      if (k->quant == 0) k->quant = quant[static_cast<size_t>(k->table)];
      k->predictor = 0;
    }
    scanned = true;
    ResetBits();

    // One component alone goes block by block over the blocks that hold picture; several go
    // MCU by MCU, each with its blocks of the MCU.
    const bool single = count == 1;
    const int unitsWide = single ? in[0]->usedWide : mcusWide;
    const int unitsHigh = single ? in[0]->usedHigh : mcusHigh;
    int sinceRestart = 0;
    for (int row = 0; row < unitsHigh; ++row) {
      for (int col = 0; col < unitsWide; ++col) {
        if (restartInterval > 0 && sinceRestart == restartInterval) {
          if (!Restart()) return true;
          sinceRestart = 0;
        }
        ++sinceRestart;
        for (Component* k : in) {
          const int h = single ? 1 : k->h, v = single ? 1 : k->v;
          for (int y = 0; y < v; ++y) {
            for (int x = 0; x < h; ++x) {
              if (!exhausted && !Block(*k, row * v + y, col * h + x, ss, se, ah, al)) {
                return true;  // a damaged scan ends here
              }
            }
          }
        }
      }
    }
    ResetBits();
    if (pendingMarker >= kRst0 && pendingMarker <= kRst7) pendingMarker = kNoMarker;
    return true;
  }

  // Each block's mean: its DC coefficient is eight times that, less the level shift of 128.
  static std::vector<std::uint8_t> Means(const Component& k) {
    std::vector<std::uint8_t> means(k.dc.size());
    for (size_t i = 0; i < k.dc.size(); ++i) {
      const std::int64_t dc = std::int64_t{k.dc[i]} * k.quant;
      means[i] = static_cast<std::uint8_t>(
          std::clamp<std::int64_t>((dc + (dc >= 0 ? 4 : -4)) / 8 + 128, 0, 255));
    }
    return means;
  }

  static std::uint32_t FromYCbCr(int y, int cb, int cr) {
    // ITU-R BT.601 as JFIF gives it, in 16-bit fixed point.
    const int r = y + ((91881 * (cr - 128) + 32768) >> 16);
    const int g = y + ((-22554 * (cb - 128) - 46802 * (cr - 128) + 32768) >> 16);
    const int b = y + ((116130 * (cb - 128) + 32768) >> 16);
    return (static_cast<std::uint32_t>(std::clamp(r, 0, 255)) << 16) |
           (static_cast<std::uint32_t>(std::clamp(g, 0, 255)) << 8) |
           static_cast<std::uint32_t>(std::clamp(b, 0, 255));
  }

  std::uint32_t Colour(const std::array<int, 4>& c) const {
    std::uint32_t rgb = 0;
    if (components.size() == 1) {
      rgb = static_cast<std::uint32_t>(c[0]) * 0x010101u;
    } else {
      const bool plainRgb = adobeTransform == 0 ||
                            (!adobeTransform && components[0].id == 'R' && components[1].id == 'G');
      const bool ycc = components.size() == 3 ? !plainRgb : adobeTransform == 2;
      rgb = ycc ? FromYCbCr(c[0], c[1], c[2])
                : static_cast<std::uint32_t>((c[0] << 16) | (c[1] << 8) | c[2]);
      if (components.size() == 4) {
        // Ink: Adobe's files keep it inverted (255 is none), others as it is. YCCK turned the
        // inverted ink back before making luma and chroma of it.
        int k = c[3];
        int ch[3] = {int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255};
        if (!adobeTransform || ycc) {
          for (int& v : ch)
            v = 255 - v;
        }
        if (!adobeTransform) k = 255 - k;
        rgb = 0;
        for (int i = 0; i < 3; ++i) {
          rgb = (rgb << 8) | static_cast<std::uint32_t>((ch[i] * k + 127) / 255);
        }
      }
    }
    return 0xFF000000u | rgb;
  }
};

JpegEighth::JpegEighth(ByteSource& source) : state_(std::make_unique<State>(source)) {}

JpegEighth::~JpegEighth() = default;

std::optional<JpegFrame> JpegEighth::ReadFrame() {
  State& s = *state_;
  if (s.Byte() != 0xFF || s.Byte() != kSoi) return std::nullopt;
  std::vector<std::uint8_t> segment;
  for (;;) {
    const int m = s.NextMarker();
    if (m == kNoMarker || m == kEoi || m == kSos) return std::nullopt;
    if (StandsAlone(m)) continue;
    if (!s.Segment(segment)) return std::nullopt;
    if (IsFrame(m)) return s.Frame(m, segment);
    if (!s.Tables(m, segment)) return std::nullopt;
  }
}

std::optional<EighthPicture> JpegEighth::ReadEighth(std::int64_t largestPixels,
                                                    std::string& error) {
  State& s = *state_;
  if (s.components.empty()) {
    error = "it is not a kind of JPEG that Zorvik can shrink.";
    return std::nullopt;
  }
  EighthPicture out;
  out.size = {(s.size.width + 7) / 8, (s.size.height + 7) / 8};
  if (std::int64_t{out.size.width} * out.size.height > largestPixels) {
    error = kPictureTooLarge;
    return std::nullopt;
  }
  for (Component& k : s.components) {
    k.dc.assign(static_cast<size_t>(k.blocksWide) * k.blocksHigh, 0);
  }
  std::vector<std::uint8_t> segment;
  for (;;) {
    const int m = s.NextMarker();
    if (m == kNoMarker || m == kEoi) break;
    if (StandsAlone(m)) continue;
    if (!s.Segment(segment)) break;  // the file ends here
    const bool ok = m == kSos ? s.Scan(segment) : IsFrame(m) || s.Tables(m, segment);
    if (!ok) {
      error = "the picture is damaged.";
      return std::nullopt;
    }
  }
  if (!s.scanned) {
    error = "the picture is damaged.";
    return std::nullopt;
  }
  // A subsampled component has a block for every few pixels of the result.
  const size_t count = s.components.size();
  std::array<std::vector<std::uint8_t>, 4> means;
  std::array<std::vector<int>, 4> columns;
  for (size_t i = 0; i < count; ++i) {
    const Component& k = s.components[i];
    means[i] = State::Means(k);
    columns[i].resize(static_cast<size_t>(out.size.width));
    for (int x = 0; x < out.size.width; ++x)
      columns[i][static_cast<size_t>(x)] = x * k.h / s.hMax;
  }
  for (Component& k : s.components)
    std::vector<std::int16_t>().swap(k.dc);
  out.pixels.resize(static_cast<size_t>(out.size.width) * out.size.height);
  std::array<const std::uint8_t*, 4> rows{};
  std::array<int, 4> c{};
  for (int y = 0; y < out.size.height; ++y) {
    for (size_t i = 0; i < count; ++i) {
      const Component& k = s.components[i];
      rows[i] = &means[i][static_cast<size_t>(y * k.v / s.vMax) * k.blocksWide];
    }
    std::uint32_t* px = &out.pixels[static_cast<size_t>(y) * out.size.width];
    for (int x = 0; x < out.size.width; ++x) {
      for (size_t i = 0; i < count; ++i)
        c[i] = rows[i][columns[i][static_cast<size_t>(x)]];
      px[x] = s.Colour(c);
    }
  }
  return out;
}

}  // namespace zorvik
