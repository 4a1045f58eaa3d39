#include "Zelko1/page/print_job.h"

#include "Zelko1/page/page_counter.h"
#include "platform/dc/gdi_types.h"

namespace zevril {
namespace {

// Selects the printing font for its lifetime.
class PrintFontScope {
 public:
  PrintFontScope(const ZevrilState& state, plat::Dc& dc)
      : dc_(dc), old_(dc.SelectFont(PrintFont(state.page.font_size, dc.GetDeviceCaps(plat::LOGPIXELSY)))) {}
  ~PrintFontScope() { dc_.SelectFont(old_); }
  PrintFontScope(const PrintFontScope&) = delete;
  PrintFontScope& operator=(const PrintFontScope&) = delete;

 private:
  plat::Dc& dc_;
  plat::Font old_;
};

}  // namespace

plat::Font PrintFont(int points, int dpi_y) {
  plat::Font font;
  font.face = "Courier New";
  font.height = -(dpi_y * points / 72);
  return font;
}

int PrintLinesPerPage(const ZevrilState& state, plat::Dc& dc) {
  PrintFontScope font(state, dc);
  return LinesPerPage(dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), dc.GetTextMetrics().height);
}

int PageCount(const ZevrilState& state, int lines_per_page) {
  return (state.table.count() + lines_per_page - 1) / lines_per_page;
}

PrintJob BeginPrintJob(ZevrilState& state, plat::Dc& dc, bool preview) {
  ReloadPageCounter(state);
  PrintJob job;
  job.preview = preview;
  job.lines_per_page = PrintLinesPerPage(state, dc);
  job.first_number = state.page_counter;
  job.next_number = state.page_counter;
  return job;
}

bool PageFollows(const ZevrilState& state, const PrintJob& job, int page) {
  return page >= 1 && page <= PageCount(state, job.lines_per_page);
}

int PrintPage(const ZevrilState& state, PrintJob& job, int page, plat::Dc& dc) {
  PrintFontScope font(state, dc);
  PageOptions options;
  options.width = dc.GetDeviceCaps(plat::HORZRES);
  options.height = dc.GetDeviceCaps(plat::VERTRES);
  options.first_line = (page - 1) * job.lines_per_page;
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
