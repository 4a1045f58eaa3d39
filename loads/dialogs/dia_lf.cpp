#include "loads/dialogs/dia_lf.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/whole_file.h"

namespace pundf {

std::vector<std::byte> DeleteMarks(const common::LoadCaseDiary& diary, const std::vector<int>& chosen) {
  const int count = diary.has_valid_count() ? diary.count() : 0;
  std::vector<std::byte> marks;
  for (int k = 1; k <= count; ++k) {
    bool keep = true;
    for (int number : chosen) keep = keep && diary.load_case(k) != number;
    const std::uint16_t flag = keep ? 1 : 0;
    marks.push_back(static_cast<std::byte>(flag & 0xFF));
    marks.push_back(static_cast<std::byte>(flag >> 8));
  }
  return marks;
}

CDiaLF::CDiaLF(const common::LoadCaseDiary& diary, std::string lcdel, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Load cases", owner), diary_(diary), lcdel_(std::move(lcdel)) {}

void CDiaLF::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kList, plat::LBS_EXTENDEDSEL | plat::LBS_NOTIFY | plat::WS_VSCROLL, 12, 12);
  auto buttons = layout.Row();
  buttons.DefPushButton("&Delete", plat::IDOK);
  buttons.PushButton("&Stop", plat::IDCANCEL);
}

bool CDiaLF::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowPos(nullptr, 10, 70, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  auto* list = dynamic_cast<plat::ListBox*>(GetDlgItem(kList));
  const int count = diary_.has_valid_count() ? diary_.count() : 0;
  for (int k = 1; list != nullptr && k <= count; ++k) {
    char text[16];
    std::snprintf(text, sizeof text, "%2i", static_cast<int>(diary_.load_case(k)));
    list->AddString(text);
  }
  return true;
}

void CDiaLF::OnOK() {
  auto* list = dynamic_cast<plat::ListBox*>(GetDlgItem(kList));
  std::vector<int> chosen;
  if (list != nullptr) {
    for (int index : list->GetSelItems()) chosen.push_back(std::atoi(list->GetText(index).c_str()));
  }
  if (!chosen.empty()) {
    const std::vector<std::byte> marks = DeleteMarks(diary_, chosen);
    plat::ReplaceWholeFile(lcdel_, marks.data(), marks.size());
  }
  plat::Dialog::OnOK();
}

}  // namespace pundf
