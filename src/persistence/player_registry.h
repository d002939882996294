// The player's subtitle style and folder, kept in its registry key, and the one-value read the
// player's path uses too.
#pragma once

#include <string>

namespace zorvik {

class Launcher;
class Platform;

// Shorter texts are written padded with blanks to this many bytes, without a NUL.
inline constexpr size_t kPlayerValueWriteBytes = 23;

// The outcome of each step of one read, and the value's text up to its first NUL, read whole.
// A failed query leaves the text empty.
struct PlayerValueRead {
  long open = 0;
  long query = 0;
  long close = 0;
  std::string text;
  bool Failed() const { return open != 0 || query != 0 || close != 0; }
  // Whether the text is the player's own value.
  bool Read() const { return open == 0 && query == 0; }
};
PlayerValueRead ReadPlayerValue(Platform& p, const std::string& name);

// The written form of a text: its ANSI bytes, padded with blanks to 23 bytes, never cut.
std::string FitPlayerValue(Platform& p, const std::string& text);

// Failures are silent: a read that fails empties the box; a write that fails changes nothing.
// A value that could not be read is not written while its box still holds the nothing the read
// left: the player's own value, unknown to the launcher, stays.
void ReadSubStyle(Launcher& l);
void ReadSubDir(Launcher& l);
void WriteSubStyle(Launcher& l);
void WriteSubDir(Launcher& l);

}  // namespace zorvik
