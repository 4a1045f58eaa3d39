#include "Zelko1/listing/print_lines.h"

#include "platform/binary_io.h"

namespace zevril {
PrintLineTable SplitPrintLines(std::span<const char> bytes) {
  PrintLineTable table;
  const std::string_view text(bytes.data(), bytes.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    table.lines.emplace_back(line);
    pos = next;
  }
  return table;
}

bool LoadPrintFile(const std::string& path, PrintLineTable& table) {
  table.lines.clear();
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return false;
  table = SplitPrintLines(std::span(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  return true;
}

}  // namespace zevril
