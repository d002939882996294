#include "author/autorun_inf.h"

#include "core/text_util.h"

namespace zorvik::author {

namespace {

bool IsAscii(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::u32string cps;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = static_cast<unsigned char>(bytes[i]) |
                    (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                           (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    cps += unit;
  }
  return CodePointsToUtf8(cps);
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  const auto unit = [&out](char32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>((u >> 8) & 0xFF);
  };
  for (char32_t cp : Utf8ToCodePoints(utf8)) {
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out;
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t'))
    ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
    --e;
  return std::string(s.substr(b, e - b));
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

}  // namespace

std::string FormatAutorun(const std::string& label) {
  std::string clean;
  for (char c : label) {
    if (static_cast<unsigned char>(c) >= 0x20) clean += c;
  }
  const std::string text = "[autorun]\r\nopen=" + std::string(kLauncherName) +
                           "\r\nicon=" + kLauncherName + ",0\r\nlabel=" + clean + "\r\n";
  if (IsAscii(text)) return text;
  return "\xFF\xFE" + Utf8ToUtf16Le(text);
}

AutorunInf ParseAutorun(std::string_view bytes) {
  AutorunInf inf;
  std::string text;
  if (bytes.starts_with("\xFF\xFE")) {
    inf.encoding = "UTF-16";
    text = Utf16LeToUtf8(bytes.substr(2));
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    inf.encoding = "UTF-8";
    text = std::string(bytes.substr(3));
  } else {
    inf.encoding = IsAscii(bytes) ? "ASCII" : "ANSI";
    text = IsAscii(bytes) ? std::string(bytes) : Cp1253ToUtf8(bytes);
  }
  bool inSection = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      inSection = close != std::string::npos &&
                  EqualsIgnoreCase(Trim(line.substr(1, close - 1)), "autorun");
      inf.hasSection = inf.hasSection || inSection;
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    const std::string key = Lower(Trim(line.substr(0, eq)));
    if (!inf.keys.contains(key)) inf.keys[key] = Trim(line.substr(eq + 1));
  }
  return inf;
}

std::string AutorunProgram(const std::string& open) {
  std::string v = Trim(open);
  if (!v.empty() && v[0] == '"') {
    const size_t close = v.find('"', 1);
    return v.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  return v.substr(0, v.find(' '));
}

std::string AutorunIconFile(const std::string& icon) {
  std::string v = Trim(icon);
  const size_t comma = v.rfind(',');
  if (comma != std::string::npos) v = Trim(v.substr(0, comma));
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return v;
}

}  // namespace zorvik::author
