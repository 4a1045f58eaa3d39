#include "loads/echo/load_echo_entries.h"

#include "common/echo/card_reader.h"
#include "common/echo/fields.h"

namespace pundf {

const common::echo::EchoTextRules& LoadEchoRules() {
  static constexpr common::echo::Keyword kKeywords[] = {
      {"LC", kEchoLc},
      {"TITLE", kEchoTitle},
      {"GRAVITYLOAD", kEchoGravity},
      {"LINELOADS", kEchoLineLoads},
      {"POINTLOADS", kEchoPointLoads},
      {"TEMPERATURE", kEchoTemperature},
      {"SETTLEMENT", kEchoSettlement},
      {"PRESTRESS", kEchoPrestress},
  };
  static const common::echo::EchoTextRules rules{
      .keywords = kKeywords,
      .title_kind = kEchoTitle,
      .skip_comments = false,
      .convert_title_lines = true,
      .max_lines = 0,
  };
  return rules;
}

std::vector<EchoEntry> FindLoadEchoEntries(std::span<const std::string> lines) {
  std::vector<EchoEntry> entries;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Only "TITLE" and "LC" lines matter: the others are passed without splitting them.
    if (const std::string_view first = common::echo::FirstField(lines[i]); first != "TITLE" && first != "LC") continue;
    const auto fields = common::echo::SplitFields(lines[i]);
    if (fields.empty()) continue;
    if (fields[0] == "TITLE") {
      ++i;  // the title line
      continue;
    }
    if (fields[0] != "LC" || fields.size() < 2) continue;
    const int number = common::echo::ReadColumn(fields[1], common::echo::ColumnKind::kWhole).whole;
    if (number == 0) continue;
    if (!entries.empty()) entries.back().last = i - 1;
    entries.push_back({number, i, lines.size() - 1});
  }
  return entries;
}

}  // namespace pundf
