#pragma once
// A read-only text view (the text listings of the programs, MFC's
// CRichEditView as they use it): the text in a fixed-pitch font ("Courier
// New" of 10 points unless SetCharFormat says otherwise), selectable with the
// mouse and the keys, copied to the clipboard (ID_EDIT_COPY), and printed
// page by page (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW)
// in the same font at the printer's resolution, lines wider than the page
// wrapped at their last blank that fits.
//
// Keys the text does not use (Escape, Tab, Enter, the function keys) and the
// extra mouse buttons reach the view's own handlers (OnKeyDown,
// OnXButtonDown), so that a derived view acts on them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "platform/controls/rich_edit.h"
#include "platform/frames/view.h"

namespace plat {

class TextView : public View {
 public:
  TextView();
  ~TextView() override;

  // The text (Windows-1252; lines end in "\n" or "\r\n").
  void SetText(std::string_view text);
  // The text with "\r\n" between lines.
  std::string GetText() const;
  // The whole file as the text; a failure names the file.
  common::Result LoadFile(const std::string& path);

  void SetCharFormat(const CharFormat& format);
  const CharFormat& GetCharFormat() const { return format_; }

  void SetSel(int start, int end);
  void GetSel(int* start, int* end) const;
  std::string GetSelText() const;
  void SelectAll();
  // Copies the selection; false when nothing is selected.
  bool Copy();

  int GetLineCount() const;
  // The edit control that shows the text.
  RichEdit& GetRichEditCtrl();

 protected:
  int OnCreate(const CREATESTRUCT& create) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnSetFocus(Window* old) override;

  bool OnPreparePrinting(PrintInfo& info) override;
  void OnBeginPrinting(PrinterDc& dc, PrintInfo& info) override;
  void OnPrepareDC(PrinterDc& dc, PrintInfo& info) override;
  void OnPrint(PrinterDc& dc, PrintInfo& info) override;

 private:
  class TextControl;
  // The font of the text at the printer's resolution.
  Font PrinterFont(const Dc& dc) const;
  // Where the lines go on a page: the margins inside the page.
  Rect PrintArea(const Dc& dc) const;

  std::unique_ptr<TextControl> edit_;
  std::string pending_text_;  // the text before the control exists
  CharFormat format_;
  std::vector<std::string> print_lines_;
  int lines_per_page_ = 1;
};

}  // namespace plat
