#include "geometry/echo/echo_reader.h"

#include <string>

#include "geometry/echo/echo_keywords.h"

namespace kelmf {

const common::echo::EchoTextRules& GeometryEchoRules() {
  static const common::echo::EchoTextRules rules = {
      .keywords = echo::kKeywords,
      .title_kind = echo::kTitleSection,
      .skip_comments = true,
      .convert_title_lines = false,
      .max_lines = echo::kMaxEchoLines,
  };
  return rules;
}

common::Outcome<common::echo::EchoText> ReadEchoLines(const common::Position& position, std::string_view file_name) {
  const std::string path = position.folder() + std::string(file_name);
  std::optional<common::echo::EchoText> text = common::echo::ReadEchoText(path, GeometryEchoRules());
  if (!text) {
    return common::Result::Fail(" Neither the file " + std::string(file_name) + " nor the following file exist\n" + path,
                                "Hint");
  }
  return std::move(*text);
}

}  // namespace kelmf
