#include "geometry/echo/echo_sections.h"

#include <algorithm>

#include "common/echo/card_reader.h"

namespace kelmf {
namespace {

std::optional<std::size_t> FindKeyword(const common::echo::EchoText& text, int kind) {
  const auto it = std::find(text.kinds.begin(), text.kinds.end(), kind);
  if (it == text.kinds.end()) return std::nullopt;
  return static_cast<std::size_t>(it - text.kinds.begin());
}

}  // namespace

std::optional<std::string_view> LineAfterKeyword(const common::echo::EchoText& text, int kind) {
  const std::optional<std::size_t> keyword = FindKeyword(text, kind);
  if (!keyword) return std::nullopt;
  const std::size_t next = *keyword + 1;
  if (next >= text.lines.size() || text.kinds[next] > common::echo::kDataLine) return std::nullopt;
  return std::string_view(text.lines[next]);
}

std::optional<std::vector<std::string_view>> CountedSection(const common::echo::EchoText& text, int kind, int limit) {
  const std::optional<std::size_t> keyword = FindKeyword(text, kind);
  if (!keyword) return std::nullopt;
  std::vector<std::string_view> lines;
  const std::optional<std::string_view> count_line = LineAfterKeyword(text, kind);
  if (!count_line) return lines;
  const int count = std::min(common::echo::ReadCount(*count_line), std::max(limit, 0));
  const std::size_t first = *keyword + 2;
  const std::size_t n = common::echo::SectionLength(text.kinds, first, static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < n; ++i) lines.emplace_back(text.lines[first + i]);
  return lines;
}

}  // namespace kelmf
