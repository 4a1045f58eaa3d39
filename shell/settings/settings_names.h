#pragma once
// Names of the shell's settings files.
namespace quentaris {

inline constexpr const char* kPositionFile = "EXTR";   // 241-byte block: the position's extension
inline constexpr const char* kDataPathFile = "DPATH";  // 241-byte block: the data path
inline constexpr const char* kPenWidthFile = "PRDB";   // int32: the frame picture's pen width
inline constexpr const char* kPositionListFile = "LISTP.TXT";

}  // namespace quentaris
