#include "graphics/app/files_dialog.h"

#include <algorithm>

#include "common/position/output_list.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/text_file.h"

namespace revuzavi {

std::vector<std::string> OutputListEntries(const common::Position& position) {
  std::vector<std::string> entries{kFilesHeader, " "};
  plat::LineReader files(position.FolderFile(common::kOutputListFile));
  if (!files.is_open()) return entries;
  constexpr std::size_t kLineLimit = 126;
  std::string line;
  while (files.Next(line, kLineLimit)) {
    const std::size_t start = line.find_first_not_of(' ');
    entries.push_back(start == std::string::npos ? std::string() : line.substr(start));
  }
  return entries;
}

CDiaDateien::CDiaDateien(const common::Position& position, plat::Window* owner)
    : plat::Dialog(161, "FILES", owner), entries_(OutputListEntries(position)) {}

void CDiaDateien::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kFilesList, plat::LBS_NOTIFY | plat::WS_VSCROLL | plat::WS_HSCROLL | plat::WS_BORDER, 80, 20, &list_);
  layout.OkCancel("OK", "Stop");
}

bool CDiaDateien::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  list_.SetFont(&list_font_);
  for (const std::string& entry : entries_) list_.AddString(entry);
  ShowWholeLines();
  list_.SetFocus();
  return false;
}

void CDiaDateien::ShowWholeLines() {
  plat::Bitmap scratch(1, 1);  // measured in the list's font outside painting
  plat::PainterDc dc(scratch);
  dc.SelectFont(list_font_);
  int widest = 0;
  for (const std::string& entry : entries_) widest = std::max(widest, dc.GetTextExtent(entry).cx);
  constexpr int kMargins = 8;  // the list's text margins on both sides
  list_.SetHorizontalExtent(widest + kMargins);
}

bool CDiaDateien::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kFilesList && plat::HIWORD(wParam) == plat::LBN_DBLCLK) {
    OnOK();
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

void CDiaDateien::OnOK() {
  const int selected = list_.GetCurSel();
  const auto listing = selected >= 0 && selected < static_cast<int>(entries_.size())
                           ? common::ListingOfLine(entries_[static_cast<std::size_t>(selected)])
                           : std::nullopt;
  if (!listing) {
    EndDialog(plat::IDCANCEL);
    return;
  }
  chosen_ = *listing;
  plat::Dialog::OnOK();
}

}  // namespace revuzavi
