// The check's report as a person reads it, and as data.
#pragma once

#include <string>

#include "author/disc_check.h"

namespace zorvik::author {

std::string CheckText(const CheckReport& report, const std::string& disc);
std::string CheckJson(const CheckReport& report, const std::string& disc);

}  // namespace zorvik::author
