#include "Zelko1/page/page_counter.h"

#include <cstdint>
#include <limits>

#include "common/page/page_counter_files.h"
#include "common/settings_files.h"

namespace zevril {

std::optional<std::string> CounterFolder(const ZevrilState& state) {
  if (!state.page.counter_folder.empty()) return state.page.counter_folder;
  if (state.print_file.empty()) return std::nullopt;
  const std::size_t slash = state.print_file.rfind('/');
  return slash == std::string::npos ? std::string() : state.print_file.substr(0, slash + 1);
}

void ReloadPageCounter(ZevrilState& state) {
  const std::optional<std::string> folder = CounterFolder(state);
  if (!folder) return;
  if (const auto stored = common::ReadPageCounterFile(*folder + common::kPageCounterFile)) state.page_counter = *stored;
}

common::Result StorePageCounter(const ZevrilState& state, bool with_text) {
  const std::optional<std::string> folder = CounterFolder(state);
  if (!folder) return common::Result::Ok();
  // FSEITE holds 16 bits; a count beyond them cannot be stored as it is.
  if (state.page_counter < std::numeric_limits<std::int16_t>::min() ||
      state.page_counter > std::numeric_limits<std::int16_t>::max()) {
    return common::Result::Fail("The page number " + std::to_string(state.page_counter) + " does not fit into " +
                                    *folder + common::kPageCounterFile + ".",
                                "Error");
  }
  const std::string counter = *folder + common::kPageCounterFile;
  if (!common::WritePageCounterFile(counter, static_cast<std::int16_t>(state.page_counter))) {
    return common::Result::Fail("The page counter " + counter + " could not be written.", "Error");
  }
  const std::string text = *folder + kPageCounterTextFile;
  if (with_text && !common::WriteTextLine(text, std::to_string(state.page_counter))) {
    return common::Result::Fail("The page counter " + text + " could not be written.", "Error");
  }
  return common::Result::Ok();
}

}  // namespace zevril
