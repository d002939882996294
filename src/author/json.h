// Just enough JSON to write the tool's reports: objects, arrays, strings, numbers, booleans.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::author {

class Json {
 public:
  Json& BeginObject(std::string_view key = {});
  Json& EndObject();
  Json& BeginArray(std::string_view key = {});
  Json& EndArray();
  Json& String(std::string_view key, std::string_view value);
  Json& Number(std::string_view key, long long value);
  Json& Bool(std::string_view key, bool value);
  Json& Decimal(std::string_view key, double value);
  // An array element: the key is left empty.
  Json& String(std::string_view value) { return String({}, value); }
  const std::string& Text() const { return out_; }

 private:
  void Key(std::string_view key);
  static std::string Quote(std::string_view s);
  std::string out_;
  bool first_ = true;
  int depth_ = 0;
};

}  // namespace zorvik::author
