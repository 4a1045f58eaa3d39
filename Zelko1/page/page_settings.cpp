#include "Zelko1/page/page_settings.h"

#include <charconv>

#include "common/page/page_counter_files.h"
#include "common/trim.h"

namespace zevril {

std::optional<int> NumberFromText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)end;
  if (error != std::errc()) return std::nullopt;
  return value;
}

int FontSizeFromText(std::string_view text) {
  const std::optional<int> size = NumberFromText(text);
  return size && *size >= 1 && *size <= kMaxFontSize ? *size : kDefaultFontSize;
}

PageSettings LoadPageHeader(const common::SettingsContext& settings) {
  PageSettings page;
  page.counter_folder =
      common::TrimTrailingWhiteSpace(common::ReadPageHeaderPathFile(JoinSettingsPath(settings, common::kPageHeaderPathFile)));
  if (!page.counter_folder.empty() && page.counter_folder.back() != '/') page.counter_folder += '/';
  const common::PageHeaderRead read = common::ReadPageHeaderFile(JoinSettingsPath(settings, common::kPageHeaderFile));
  if (read.state == common::PageHeaderState::kOk) {
    page.header = read.header;
    for (std::string& field : page.header.fields) field = common::TrimTrailingWhiteSpace(std::move(field));
  } else {
    page.header[common::PageHeader::kFirstPage] = "1";
    page.header[common::PageHeader::kFontSize] = "10";
  }
  page.font_size = FontSizeFromText(page.header[common::PageHeader::kFontSize]);
  return page;
}

}  // namespace zevril
