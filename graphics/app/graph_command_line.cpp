#include "graphics/app/graph_command_line.h"

#include <cstdlib>

#include "common/command_line.h"

namespace revuzavi {

std::optional<GraphCommandLine> ParseGraphCommandLine(std::string_view text) {
  const auto parts = common::SplitCommandLine(text);
  if (!parts) return std::nullopt;
  GraphCommandLine line;
  line.ext = parts->suffix;
  line.data_path = parts->data_path;
  if (parts->third) line.start_load_case = std::atoi(parts->third->c_str());
  return line;
}

}  // namespace revuzavi
