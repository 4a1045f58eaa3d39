#pragma once
// Code pages: the programs keep text as Windows-1252 bytes ("ANSI"); OEM text is
// code page 850. Conversions are table driven, the tables taken from iconv once.
#include <string>
#include <string_view>

namespace plat {

// Windows-1252 bytes to UTF-8. The five bytes Windows-1252 leaves undefined map
// to the code points of the same value, as Windows does.
std::string Cp1252ToUtf8(std::string_view text);
// UTF-8 to Windows-1252; characters without a Windows-1252 twin (and broken
// UTF-8 sequences) become '?'.
std::string Utf8ToCp1252(std::string_view text);
// Code page 850 to Windows-1252; characters without a twin become '?'.
std::string Cp850ToCp1252(std::string_view text);

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or '?' when there is none.
char Cp1252Byte(char32_t code_point);

}  // namespace plat
