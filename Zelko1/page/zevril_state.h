#pragma once
// Everything the page printer holds while it runs: the listing, the page
// settings and the number of the next page to print.
#include <string>

#include "Zelko1/listing/print_lines.h"
#include "Zelko1/page/page_settings.h"
#include "common/result.h"

namespace zevril {

struct ZevrilState {
  PrintLineTable table;
  std::string print_file;  // the listing loaded last; empty when none
  PageSettings page;
  int page_counter = 1;    // the next page to print
};

// Takes the page settings read at start; the count starts at their Erste
// Seite (1 when it holds no number).
void TakePageSettings(ZevrilState& state, PageSettings page);

// Loads a listing into the table; a file that cannot be read leaves the
// table empty and is named in the failure.
common::Result LoadListing(ZevrilState& state, const std::string& path);

}  // namespace zevril
