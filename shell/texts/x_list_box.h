#pragma once
// CXListBox: an owner-drawn list whose lines carry their own text and
// background colours (two colour characters before the text), with an optional
// line-number gutter and log file, and copy, delete and select-all commands.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/list_box.h"
#include "platform/dc/gdi_objects.h"

namespace quentaris {

inline constexpr plat::UINT kListCopy = 57634;
inline constexpr plat::UINT kListClear = 57632;
inline constexpr plat::UINT kListSelectAll = 57642;

// The 16 colours a line's colour characters name (index + 1).
extern const std::array<plat::ColorRef, 16> kXListColours;

// A stored line: text colour and background as index + 1, then the text with
// its carriage returns and line feeds turned into blanks.
std::string EncodeXListLine(int text_colour, int background, std::string_view text);
// The text of a stored line, without its two colour characters.
std::string XListLineText(std::string_view stored);
// The colour a colour character names; black for one out of the table.
plat::ColorRef XListColour(char code);
// The copy of lines: each trimmed of line ends at both ends, "\n" added when
// it holds none, tabs as blanks; empty lines add nothing.
std::string XListCopyText(const std::vector<std::string>& texts);

class CXListBox : public plat::ListBox {
 public:
  CXListBox();

  // Adds a line with the background colour index; the index of the line or -1.
  int AddLine(int background, std::string_view text);
  // The lines' own texts, without colour characters.
  std::string LineText(int index) const { return XListLineText(GetText(index)); }

  void SetLogFile(std::string path) { log_file_ = std::move(path); }
  void EnableLineNumbers(bool on) { line_numbers_ = on; }
  void EnableColours(bool on) { colours_ = on; }
  // The widest line drawn so far, in pixels.
  int widest_line() const { return widest_; }

  // Removes all lines and the horizontal extent.
  void ResetContent();
  void CopySelected();
  void SelectAll();

  void DrawItem(plat::DRAWITEMSTRUCT& item) override;

 protected:
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnPaint(plat::Dc& dc) override;

 private:
  void AppendToLog(std::string_view text) const;
  int GutterWidth(plat::Dc& dc) const;

  bool colours_ = true;
  int tab_width_ = 8;
  plat::ColorRef window_colour_;
  plat::ColorRef highlight_colour_;
  plat::ColorRef window_text_colour_;
  plat::ColorRef highlight_text_colour_;
  int widest_ = 0;
  plat::ColorRef gutter_colour_ = 0xF5F5F5;
  plat::ColorRef gutter_text_colour_ = 0x505050;
  int gutter_digits_ = 5;
  std::string log_file_;
  bool line_numbers_ = false;
};

}  // namespace quentaris
