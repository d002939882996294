#include "author/json.h"

#include <cstdio>

namespace zorvik::author {

std::string Json::Quote(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void Json::Key(std::string_view key) {
  if (!first_) out_ += ',';
  if (depth_ > 0) out_ += '\n' + std::string(static_cast<size_t>(depth_) * 2, ' ');
  if (!key.empty()) out_ += Quote(key) + ": ";
  first_ = false;
}

Json& Json::BeginObject(std::string_view key) {
  Key(key);
  out_ += '{';
  ++depth_;
  first_ = true;
  return *this;
}

Json& Json::EndObject() {
  --depth_;
  if (!first_) out_ += '\n' + std::string(static_cast<size_t>(depth_) * 2, ' ');
  out_ += '}';
  first_ = false;
  return *this;
}

Json& Json::BeginArray(std::string_view key) {
  Key(key);
  out_ += '[';
  ++depth_;
  first_ = true;
  return *this;
}

Json& Json::EndArray() {
  --depth_;
  if (!first_) out_ += '\n' + std::string(static_cast<size_t>(depth_) * 2, ' ');
  out_ += ']';
  first_ = false;
  return *this;
}

Json& Json::String(std::string_view key, std::string_view value) {
  Key(key);
  out_ += Quote(value);
  return *this;
}

Json& Json::Number(std::string_view key, long long value) {
  Key(key);
  out_ += std::to_string(value);
  return *this;
}

Json& Json::Decimal(std::string_view key, double value) {
  Key(key);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", value);
  out_ += buf;
  return *this;
}

Json& Json::Bool(std::string_view key, bool value) {
  Key(key);
  out_ += value ? "true" : "false";
  return *this;
}

}  // namespace zorvik::author
