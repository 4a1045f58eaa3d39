#include "platform/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace plat {
namespace {

// Code point of one byte of a single-byte code page, through iconv; 0 when the
// byte is undefined there.
char32_t ConvertByte(iconv_t cd, unsigned char byte) {
  char in[1] = {static_cast<char>(byte)};
  char32_t out[2] = {0, 0};
  char* in_ptr = in;
  size_t in_left = 1;
  char* out_ptr = reinterpret_cast<char*>(out);
  size_t out_left = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return 0;
  return out[0];
}

std::array<char32_t, 256> BuildTable(const char* code_page) {
  std::array<char32_t, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<char32_t>(i);
  iconv_t cd = iconv_open("UTF-32LE", code_page);
  if (cd == reinterpret_cast<iconv_t>(-1)) return table;  // ISO-8859-1 as the last resort
  for (int i = 0; i < 256; ++i) {
    char32_t cp = ConvertByte(cd, static_cast<unsigned char>(i));
    if (cp != 0 || i == 0) table[i] = cp;  // undefined bytes keep their own value
  }
  iconv_close(cd);
  return table;
}

const std::array<char32_t, 256>& Table1252() {
  static const std::array<char32_t, 256> table = BuildTable("CP1252");
  return table;
}

const std::array<char32_t, 256>& Table850() {
  static const std::array<char32_t, 256> table = BuildTable("CP850");
  return table;
}

// Code point -> Windows-1252 byte, sorted for binary search.
const std::vector<std::pair<char32_t, unsigned char>>& Reverse1252() {
  static const std::vector<std::pair<char32_t, unsigned char>> reverse = [] {
    std::vector<std::pair<char32_t, unsigned char>> r;
    const auto& t = Table1252();
    for (int i = 0; i < 256; ++i) r.emplace_back(t[i], static_cast<unsigned char>(i));
    std::sort(r.begin(), r.end());
    return r;
  }();
  return reverse;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char32_t Cp1252CodePoint(unsigned char byte) { return Table1252()[byte]; }

char Cp1252Byte(char32_t code_point) {
  const auto& r = Reverse1252();
  auto it = std::lower_bound(r.begin(), r.end(), std::make_pair(code_point, static_cast<unsigned char>(0)));
  if (it != r.end() && it->first == code_point) return static_cast<char>(it->second);
  return '?';
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
      out += '?';
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? lead : static_cast<char32_t>(lead & (0x3F >> extra));
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char c = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((c & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += Cp1252Byte(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

std::string Cp850ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    unsigned char b = static_cast<unsigned char>(c);
    out += b < 0x80 ? c : Cp1252Byte(Table850()[b]);
  }
  return out;
}

}  // namespace plat
