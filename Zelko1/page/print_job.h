#pragma once
// One print job of the listing (a print or a preview): the pages it holds,
// their numbers from the page counter, and the counter stored after a print.
#include "Zelko1/page/page_form.h"
#include "Zelko1/page/zevril_state.h"
#include "common/result.h"
#include "platform/dc/dc.h"
#include "platform/dc/gdi_objects.h"

namespace zevril {

struct PrintJob {
  bool preview = false;
  int lines_per_page = 1;
  PrintedListing listing;  // the table laid out on the job's pages
  int first_number = 0;  // the number of page 1
  int next_number = 0;   // the number of the next page printed
};

// "Courier New" of `points` on a device of `dpi_y` dots per inch.
plat::Font PrintFont(int points, int dpi_y);
// The printing font for the screen's image of a page of width x height
// pixels: as large against the page as on an A4 sheet.
plat::Font ScreenListingFont(int points, int width, int height);

// The printed lines a page of the Dc holds in the printing font, and the pages of a job.
int PrintLinesPerPage(const ZevrilState& state, plat::Dc& dc);
int PageCount(const PrintJob& job);

// Starts a job: the counter is reloaded from FSEITE (when there).
PrintJob BeginPrintJob(ZevrilState& state, plat::Dc& dc, bool preview);
// Whether the job has a page of this number (1-based).
bool PageFollows(const ZevrilState& state, const PrintJob& job, int page);
// Draws a page in the printing font; a print numbers its pages one after
// the other, a preview shows each page with the number it will get.
// Returns the lines drawn.
int PrintPage(const ZevrilState& state, PrintJob& job, int page, plat::Dc& dc);
// After a print that `completed` the counter holds the next page, stored in
// FSEITE and FSEITE.TXT; a preview or a failed job changes nothing.
common::Result EndPrintJob(ZevrilState& state, const PrintJob& job, bool completed);

}  // namespace zevril
