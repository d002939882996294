// Mastering the disc folder as an ISO 9660 image with Joliet names, with xorriso, and reading
// the image back to see that it holds the folder as Windows will see it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "author/disc_platform.h"

namespace zorvik::author {

std::vector<std::string> MasterArguments(const std::string& discFolder, const std::string& image,
                                         const std::string& label);
// The image's Joliet tree, listed, with its volume id.
std::vector<std::string> ListArguments(const std::string& image);

struct ImageEntry {
  std::string path;  // from the image's root, "/More/Settings.sav"
  bool folder = false;
  std::uintmax_t size = 0;
};
struct ImageListing {
  std::vector<ImageEntry> entries;
  std::string volumeId;
};
ImageListing ParseListing(const std::string& output);

// What differs between the disc folder and the image's listing; empty when they agree on every
// name, folder and size.
std::vector<std::string> CompareWithDisc(const ImageListing& image, DiscPlatform& disc);

// A volume label from the movie's title: capitals, digits and '_' as plain ISO 9660 wants them,
// "ZORVIK" when the title has none of them.
std::string DefaultLabel(const std::string& title);
// Why a label can't be used, or nothing; `warning` says what a viewer may not see.
std::optional<std::string> LabelProblem(const std::string& label, std::string& warning);

}  // namespace zorvik::author
