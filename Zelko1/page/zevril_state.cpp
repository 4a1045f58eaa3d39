#include "Zelko1/page/zevril_state.h"

namespace zevril {

void TakePageSettings(ZevrilState& state, PageSettings page) {
  state.page_counter = NumberFromText(page.header[common::PageHeader::kFirstPage]).value_or(1);
  state.page = std::move(page);
}

common::Result LoadListing(ZevrilState& state, const std::string& path) {
  if (!LoadPrintFile(path, state.table)) {
    state.print_file.clear();
    return common::Result::Fail("The file " + path + " cannot be read.", "ZEVRIL");
  }
  state.print_file = path;
  return common::Result::Ok();
}

}  // namespace zevril
