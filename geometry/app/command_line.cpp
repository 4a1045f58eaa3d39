#include "geometry/app/command_line.h"

#include "common/command_line.h"

namespace kelmf {

std::optional<CommandLine> ParseCommandLine(std::string_view text) {
  auto parts = common::SplitCommandLine(text);
  if (!parts) return std::nullopt;
  CommandLine line;
  line.ext = std::move(parts->suffix);
  line.data_path = std::move(parts->data_path);
  line.rebuild = parts->third && !parts->third->empty() && parts->third->front() == 'G';
  return line;
}

}  // namespace kelmf
