#include "shell/texts/x_list_box.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/clipboard/clipboard.h"
#include "platform/clock.h"
#include "platform/dc/dc.h"
#include "platform/window/system_metrics.h"

namespace quentaris {
namespace {

constexpr int kTextMargin = 2;
constexpr int kGutterPadding = 6;
constexpr int kWhite = 1;

std::string ComputerName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

// Tabs expanded to the next multiple of the tab width.
std::string ExpandTabs(std::string_view text, int tab_width) {
  std::string out;
  for (const char c : text) {
    if (c != '\t') {
      out += c;
      continue;
    }
    do out += ' ';
    while (static_cast<int>(out.size()) % tab_width != 0);
  }
  return out;
}

}  // namespace

const std::array<plat::ColorRef, 16> kXListColours = {0x000000, 0xFFFFFF, 0x000080, 0x008000, 0x008080, 0x800000,
                                                      0x800080, 0x808000, 0xE8E8E8, 0xC6C6C6, 0x0000FF, 0x00FF00,
                                                      0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00};

std::string EncodeXListLine(int text_colour, int background, std::string_view text) {
  std::string line;
  line += static_cast<char>(std::clamp(text_colour, 0, 15) + 1);
  line += static_cast<char>(std::clamp(background, 0, 15) + 1);
  for (const char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
  return line;
}

std::string XListLineText(std::string_view stored) {
  return std::string(stored.size() < 2 ? std::string_view() : stored.substr(2));
}

plat::ColorRef XListColour(char code) {
  const int index = static_cast<unsigned char>(code) - 1;
  return index >= 0 && index < 16 ? kXListColours[index] : kXListColours[0];
}

std::string XListCopyText(const std::vector<std::string>& texts) {
  std::string copy;
  for (const std::string& text : texts) {
    const std::size_t start = text.find_first_not_of("\r\n");
    if (start == std::string::npos) continue;
    std::string line = text.substr(start, text.find_last_not_of("\r\n") + 1 - start);
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (line.find('\n') == std::string::npos) line += '\n';
    copy += line;
  }
  return copy;
}

CXListBox::CXListBox()
    : window_colour_(plat::GetSysColor(plat::COLOR_WINDOW)),
      highlight_colour_(plat::GetSysColor(plat::COLOR_HIGHLIGHT)),
      window_text_colour_(plat::GetSysColor(plat::COLOR_WINDOWTEXT)),
      highlight_text_colour_(plat::GetSysColor(plat::COLOR_HIGHLIGHTTEXT)) {}

int CXListBox::AddLine(int background, std::string_view text) {
  const std::string stored = EncodeXListLine(0, colours_ ? background : kWhite, text);
  if (!log_file_.empty() && !text.empty()) AppendToLog(XListLineText(stored));
  int index = AddString(stored);
  if (index < 0) {
    // The list is full: the oldest lines make room.
    const int count = GetCount();
    if (count < 2) return -1;
    for (int i = std::min(20, count - 1); i > 0; --i) DeleteString(0);
    index = AddString(stored);
    if (index < 0) return -1;
  }
  SetTopIndex(index);
  SetSel(-1, false);
  return index;
}

void CXListBox::AppendToLog(std::string_view text) const {
  std::FILE* log = std::fopen(log_file_.c_str(), "ab");
  if (log == nullptr) return;
  const std::string line = plat::FormatLocalTime(plat::NowSeconds(), "%Y-%m-%d %H:%M:%S ") + "[" + ComputerName() +
                           "] " + std::string(text) + "\r\n";
  std::fwrite(line.data(), 1, line.size(), log);
  std::fclose(log);
}

void CXListBox::CopySelected() {
  std::vector<std::string> texts;
  for (const int index : GetSelItems()) texts.push_back(LineText(index));
  plat::SetClipboardText(XListCopyText(texts));
}

void CXListBox::ResetContent() {
  plat::ListBox::ResetContent();
  widest_ = 0;
  SetHorizontalExtent(0);
}

void CXListBox::SelectAll() { SetSel(-1, true); }

bool CXListBox::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (plat::LOWORD(wParam)) {
    case kListCopy:
      CopySelected();
      return true;
    case kListClear:
      ResetContent();
      return true;
    case kListSelectAll:
      SelectAll();
      return true;
    default:
      return plat::ListBox::OnCommand(wParam, lParam);
  }
}

int CXListBox::GutterWidth(plat::Dc& dc) const {
  return line_numbers_ ? dc.GetTextExtent(std::string(gutter_digits_, '9')).cx + kGutterPadding : 0;
}

void CXListBox::OnPaint(plat::Dc& dc) {
  plat::ListBox::OnPaint(dc);
  if (!line_numbers_) return;
  // The gutter runs on below the last line.
  plat::Rect client;
  GetClientRect(&client);
  const int below = (GetCount() - GetTopIndex()) * GetItemHeight(0);
  if (below < client.bottom) dc.FillRect(plat::Rect{0, below, GutterWidth(dc), client.bottom}, plat::Brush::Solid(gutter_colour_));
}

void CXListBox::DrawItem(plat::DRAWITEMSTRUCT& item) {
  if (item.hDC == nullptr) return;
  plat::Dc& dc = *item.hDC;
  plat::Rect rect = item.rcItem;
  if (item.itemID >= 0 && item.itemID < GetCount()) {
    const std::string stored = GetText(item.itemID);
    const bool selected = (item.itemState & plat::ODS_SELECTED) != 0;
    const int gutter = GutterWidth(dc);
    if (gutter > 0) {
      plat::Rect gutter_rect = rect;
      gutter_rect.right = rect.left + gutter;
      dc.FillRect(gutter_rect, plat::Brush::Solid(gutter_colour_));
      dc.SetBkMode(plat::TRANSPARENT);
      dc.SetTextColor(gutter_text_colour_);
      const unsigned align = dc.SetTextAlign(plat::TA_RIGHT | plat::TA_TOP);
      dc.TextOut(gutter_rect.right - kTextMargin, rect.top, std::to_string(item.itemID + 1));
      dc.SetTextAlign(align);
      rect.left += gutter;
    }
    const plat::ColorRef text_colour =
        selected ? highlight_text_colour_ : (stored.size() > 0 ? XListColour(stored[0]) : window_text_colour_);
    const plat::ColorRef background =
        selected ? highlight_colour_ : (stored.size() > 1 ? XListColour(stored[1]) : window_colour_);
    dc.FillRect(rect, plat::Brush::Solid(background));
    dc.SetBkMode(plat::TRANSPARENT);
    dc.SetTextColor(text_colour);
    const std::string text = ExpandTabs(XListLineText(stored), tab_width_);
    dc.TextOut(rect.left + kTextMargin, rect.top, text);
    const int width = dc.GetTextExtent(text).cx + plat::GetSystemMetrics(plat::SM_CXVSCROLL);
    if (width > widest_) {
      widest_ = width;
      SetHorizontalExtent(widest_ + widest_ / 32);
    }
  }
  if ((item.itemState & plat::ODS_FOCUS) != 0) dc.DrawFocusRect(item.rcItem);
}

}  // namespace quentaris
