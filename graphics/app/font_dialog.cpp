#include "graphics/app/font_dialog.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs/dialog_layout.h"

namespace revuzavi {
namespace {

std::vector<std::string> FontEntries() {
  std::vector<std::string> entries;
  char text[16];
  for (int i = 0; i <= 20; ++i) {
    std::snprintf(text, sizeof text, "%.1f", i / 10.0);
    entries.emplace_back(text);
  }
  return entries;
}

std::vector<std::string> LoadCaseEntries(const common::LoadCaseDiary& diary) {
  std::vector<std::string> entries;
  const int count = diary.has_valid_count() ? diary.count() : 0;
  for (int k = 1; k <= count; ++k) entries.push_back(std::to_string(diary.load_case(k)));
  return entries;
}

}  // namespace

std::optional<double> ChoiceNumber(std::string text) {
  if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  if (end == begin) return std::nullopt;
  while (*end == ' ') ++end;
  if (*end != '\0') return std::nullopt;
  return value;
}

std::optional<float> TypedFloat(std::string text) {
  const std::optional<double> value = ChoiceNumber(std::move(text));
  if (!value || !std::isfinite(*value) || std::fabs(*value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(*value);
}

ChoiceDialog::ChoiceDialog(plat::UINT template_id, std::string_view caption, std::string_view label,
                           std::vector<std::string> entries, std::string start, plat::Window* owner)
    : plat::Dialog(template_id, caption, owner),
      label_(label),
      entries_(std::move(entries)),
      start_(std::move(start)) {}

void ChoiceDialog::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kChoiceList, plat::LBS_NOTIFY | plat::WS_VSCROLL | plat::WS_BORDER, 10, 8, &list_);
  layout.Form().Field(label_).EditBox(kChoiceEdit);
  layout.OkCancel("OK", "Cancel");
}

bool ChoiceDialog::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  for (const std::string& entry : entries_) list_.AddString(entry);
  SetDlgItemText(kChoiceEdit, start_);
  if (plat::Window* edit = GetDlgItem(kChoiceEdit)) edit->SetFocus();
  return false;
}

void ChoiceDialog::OnOK() {
  const int selected = list_.GetCurSel();
  chosen_ = selected >= 0 && selected < static_cast<int>(entries_.size()) ? entries_[static_cast<std::size_t>(selected)]
                                                                         : GetDlgItemText(kChoiceEdit);
  plat::Dialog::OnOK();
}

CDiaStartNodeGF::CDiaStartNodeGF(int node_count, plat::Window* owner)
    : ChoiceDialog(324, "Green's function of a node", "&Node", [node_count] {
        std::vector<std::string> entries;
        for (int k = 1; k <= node_count; ++k) entries.push_back(std::to_string(k));
        return entries;
      }(), "1", owner),
      node_count_(node_count) {}

int CDiaStartNodeGF::node() const {
  const auto n = ChoiceNumber(chosen());
  if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > node_count_) return 0;
  return static_cast<int>(*n);
}

CDiaFont::CDiaFont(double size, plat::Window* owner)
    : ChoiceDialog(132, "Fonts", "&Size", FontEntries(), [size] {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", size);
        return std::string(text);
      }(), owner),
      start_(size) {}

double CDiaFont::size() const { return ChoiceNumber(chosen()).value_or(start_); }

CDiaLF::CDiaLF(const common::LoadCaseDiary& diary, int current, plat::Window* owner)
    : ChoiceDialog(138, "Load case", "&LC", LoadCaseEntries(diary), std::to_string(current), owner),
      current_(current) {}

int CDiaLF::load_case() const {
  const auto n = ChoiceNumber(chosen());
  return n ? static_cast<int>(*n) : current_;
}

}  // namespace revuzavi
