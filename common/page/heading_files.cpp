#include "common/page/heading_files.h"

#include "common/settings_files.h"

namespace common {

std::string ReadHeadingFile(const std::string& path) { return ReadFirstLine(path).value_or(std::string()); }

bool WriteHeadingFile(const std::string& path, const std::string& heading) { return WriteTextLine(path, heading); }

std::int16_t ReadHeadingCountFile(const std::string& path) { return ReadInt16File(path).value_or(0); }

bool WriteHeadingCountFile(const std::string& path, std::int16_t count) { return WriteInt16File(path, count); }

}  // namespace common
