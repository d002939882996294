#include "author/names.h"

#include "core/text_util.h"

namespace zorvik::author {

bool ListsBefore(std::string_view a, std::string_view b) {
  return Utf8ToCodePoints(a) < Utf8ToCodePoints(b);
}

}  // namespace zorvik::author
