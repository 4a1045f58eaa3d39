#pragma once
// The print preview of a PrintClient: a window that shows one page at a time,
// drawn by the client's own printing code on the application's printer's
// pages, with the buttons "Print...", "Next Page", "Prev Page" and "Close".
#include "platform/dc/bitmap.h"
#include "platform/dc/gdi_objects.h"

namespace plat {

class PrintPreview {
 public:
  virtual ~PrintPreview() = default;

  virtual int current_page() const = 0;
  // Draws and shows a page; false (the shown page stays) when the document
  // has no such page.
  virtual bool ShowPage(int page) = 0;
  bool NextPage() { return ShowPage(current_page() + 1); }
  bool PrevPage() { return ShowPage(current_page() - 1); }

  // The caps of the shown page (the printer's, in the page's orientation).
  virtual DeviceCaps PageCaps() const = 0;
  // The shown page on white, scaled to a width in pixels; empty when no page is shown.
  virtual Bitmap PageImage(int width) const = 0;
};

}  // namespace plat
