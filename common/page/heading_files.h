#pragma once
// The two heading lines of the shell's printing and of the viewer's page head
// (INC1, INC2: one text line without a line end) and the number of headings
// to print (IDZ, int16), all in the settings folder.
#include <cstdint>
#include <string>

namespace common {

inline constexpr const char* kFirstHeadingFile = "INC1";
inline constexpr const char* kSecondHeadingFile = "INC2";
inline constexpr const char* kHeadingCountFile = "IDZ";

// A heading file's first line, whole; empty when the file is missing.
std::string ReadHeadingFile(const std::string& path);
bool WriteHeadingFile(const std::string& path, const std::string& heading);

// IDZ; 0 when missing.
std::int16_t ReadHeadingCountFile(const std::string& path);
bool WriteHeadingCountFile(const std::string& path, std::int16_t count);

}  // namespace common
