// The player's subtitle style and folder, kept in its registry key, and the one-value read the
// player's path uses too.
#pragma once

#include <string>

namespace zorvik {

class Launcher;
class Platform;

// Written values are exactly this many bytes, cut or padded with blanks, without a NUL.
inline constexpr size_t kPlayerValueWriteBytes = 23;
// Read values are taken into a zero-filled buffer of this size.
inline constexpr size_t kPlayerValueReadBytes = 47;

// The outcome of each step of one read, and the text up to the first NUL. A failed query
// leaves the text empty.
struct PlayerValueRead {
  long open = 0;
  long query = 0;
  long close = 0;
  std::string text;
  bool Failed() const { return open != 0 || query != 0 || close != 0; }
};
PlayerValueRead ReadPlayerValue(Platform& p, const std::string& name);

// Fits a text to the written form: the first 23 characters, padded with blanks, as ANSI bytes.
std::string FitPlayerValue(Platform& p, const std::string& text);

// Failures are silent: a read that fails empties the box; a write that fails changes nothing.
void ReadSubStyle(Launcher& l);
void ReadSubDir(Launcher& l);
void WriteSubStyle(Launcher& l);
void WriteSubDir(Launcher& l);

}  // namespace zorvik
