// The files of tests/unit/data: expected texts kept apart from the code that checks them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace zorvik::test {

// The whole file, or nothing when it isn't there.
inline std::string DataFile(const std::string& name) {
  std::ifstream in(std::string(ZORVIK_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace zorvik::test
