#include "common/page/page_counter_files.h"

#include <array>

#include "common/settings_files.h"
#include "platform/binary_io.h"

namespace common {

std::string ReadPageHeaderPathFile(const std::string& path) { return ReadFirstLine(path).value_or(std::string()); }

bool WritePageHeaderPathFile(const std::string& path, const std::string& position_folder) {
  return WriteTextLine(path, position_folder);
}

std::optional<std::int16_t> ReadPageCounterFile(const std::string& path) { return ReadInt16File(path); }

bool WritePageCounterFile(const std::string& path, std::int16_t next_page) { return WriteInt16File(path, next_page); }

PageNumbering ReadPageNumberingFile(const std::string& path) {
  std::array<std::int16_t, 4> values{};
  if (!plat::ReadBlock(path, values.data(), sizeof values)) return PageNumbering{};
  return PageNumbering{values[0], values[1], values[2], values[3]};
}

bool WritePageNumberingFile(const std::string& path, const PageNumbering& numbering) {
  const std::array<std::int16_t, 4> values{numbering.page, numbering.sheet, numbering.style, numbering.print_date};
  return plat::WriteBlock(path, values.data(), sizeof values);
}

}  // namespace common
