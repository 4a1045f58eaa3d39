#include "Zelko1/page/print_job.h"

#include <algorithm>

#include "Zelko1/page/page_counter.h"
#include "common/page/listing_font.h"
#include "platform/dc/gdi_types.h"
#include "platform/dc/selected_font.h"

namespace zevril {
namespace {

// The printing font for its lifetime.
class PrintFontScope : public plat::SelectedFont {
 public:
  PrintFontScope(const ZevrilState& state, plat::Dc& dc)
      : SelectedFont(dc, PrintFont(state.page.font_size, dc.GetDeviceCaps(plat::LOGPIXELSY))) {}
};

}  // namespace

plat::Font PrintFont(int points, int dpi_y) { return common::ListingFont(points, dpi_y); }

plat::Font ScreenListingFont(int points, int width, int height) {
  constexpr double kA4ShortInches = 210.0 / 25.4;
  constexpr double kA4LongInches = 297.0 / 25.4;
  const double inches = IsPortrait(width, height) ? kA4ShortInches : kA4LongInches;
  const int dpi = std::max(1, static_cast<int>(width / inches));
  return PrintFont(points, dpi);
}

int PrintLinesPerPage(const ZevrilState& state, plat::Dc& dc) {
  PrintFontScope font(state, dc);
  return LinesPerPage(dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), dc.GetTextMetrics().height);
}

int PageCount(const PrintJob& job) { return job.listing.page_count(); }

PrintJob BeginPrintJob(ZevrilState& state, plat::Dc& dc, bool preview) {
  ReloadPageCounter(state);
  PrintJob job;
  job.preview = preview;
  job.lines_per_page = PrintLinesPerPage(state, dc);
  {
    PrintFontScope font(state, dc);
    job.listing =
        LayOutForPage(state.table, dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), dc);
  }
  job.first_number = state.page_counter;
  job.next_number = state.page_counter;
  return job;
}

bool PageFollows(const ZevrilState&, const PrintJob& job, int page) { return page >= 1 && page <= PageCount(job); }

int PrintPage(const ZevrilState& state, PrintJob& job, int page, plat::Dc& dc) {
  PrintFontScope font(state, dc);
  PageOptions options;
  options.width = dc.GetDeviceCaps(plat::HORZRES);
  options.height = dc.GetDeviceCaps(plat::VERTRES);
  options.listing = &job.listing;
  options.page = page;
  if (job.preview) {
    options.page_number = job.first_number + page - 1;
  } else {
    options.page_number = job.next_number++;
  }
  return DrawPage(state, options, dc);
}

common::Result EndPrintJob(ZevrilState& state, const PrintJob& job, bool completed) {
  if (job.preview || !completed) return common::Result::Ok();
  state.page_counter = job.next_number;
  return StorePageCounter(state, true);
}

}  // namespace zevril
