#include "shell/dialogs/dia_plots.h"

#include <algorithm>
#include <cstdint>

#include "platform/binary_io.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/frames/menu.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "shell/files/numbered_name.h"

namespace quentaris {
namespace {

constexpr const char* kPlotDirFile = "PLOTDIR";
constexpr const char* kNextPlotFile = "NEXTPLOT";

}  // namespace

std::string PlotName(const std::string& line) {
  const std::size_t start = line.find('P');
  if (start == std::string::npos) return {};
  const std::size_t end = line.find_first_of(" :", start);
  return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::optional<int> PlotNumber(const std::string& name) {
  const std::optional<int> number = NumberAfterLetter(name, 9);
  if (!number || *number > INT16_MAX - 1) return std::nullopt;  // NEXTPLOT holds 16 bits
  return number;
}

CDiaPlots::CDiaPlots(std::string position_folder, std::string list_file, plat::Window* owner)
    : ShellDialog(kDiaPlotsTemplate, "Generated plots", owner),
      position_folder_(std::move(position_folder)),
      list_file_(std::move(list_file)) {}

void CDiaPlots::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kPlotList, plat::LBS_NOTIFY | plat::LBS_EXTENDEDSEL | plat::WS_VSCROLL | plat::WS_BORDER, 50, 12);
  layout.OkCancel("OK", "Stop");
}

bool CDiaPlots::OnInitDialog() {
  auto* list = static_cast<plat::ListBox*>(GetDlgItem(kPlotList));
  if (const auto lines = plat::ReadLines(list_file_)) {
    for (const std::string& line : *lines) {
      if (line.size() > 1) list->AddString(line);
    }
  }
  return ShellDialog::OnInitDialog();
}

bool CDiaPlots::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kDeletePlots) {
    DeleteChosen();
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

void CDiaPlots::OnContextMenu(plat::Window*, plat::Point point) {
  plat::Menu popup = plat::Menu::Popup();
  popup.AppendMenu(plat::MF_STRING, kDeletePlots, "&Delete");
  popup.TrackPopupMenu(plat::TPM_LEFTALIGN | plat::TPM_RIGHTBUTTON, point.x, point.y, this);
}

std::string CDiaPlots::PlotFolder() const {
  std::string name;
  if (const auto lines = plat::ReadLines(position_folder_ + kPlotDirFile); lines && !lines->empty()) {
    name = (*lines)[0];
  }
  return position_folder_ + "PLOTS/" + (name.empty() ? std::string() : name + "/");
}

void CDiaPlots::DeleteChosen() {
  auto* list = static_cast<plat::ListBox*>(GetDlgItem(kPlotList));
  const std::vector<int> chosen = list->GetSelItems();
  if (chosen.empty()) return;
  const char* question = chosen.size() == 1 ? "Soll der Plot gel\xF6scht werden?" : "Sollen die Plots gel\xF6scht werden?";
  if (plat::MessageBox(question, " ", plat::MB_YESNO | plat::MB_ICONQUESTION) != plat::IDYES) return;
  const std::string folder = PlotFolder();
  // From the end, so that the indexes of the lines before stay valid.
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
    const std::string name = PlotName(list->GetText(*it));
    if (name.empty()) continue;
    const std::string file = folder + name + ".PLT";
    plat::RemoveFile(file);
    // A line whose file is gone (deleted now or before) leaves the list.
    if (!plat::FileExists(file)) list->DeleteString(*it);
  }
  std::string text;
  int highest = 0;
  for (int i = 0; i < list->GetCount(); ++i) {
    const std::string line = list->GetText(i);
    text += line + "\n";
    if (const auto number = PlotNumber(PlotName(line))) highest = std::max(highest, *number);
  }
  if (!plat::WriteTextFile(list_file_, text)) ShowCannotWrite(list_file_);
  const auto next = static_cast<std::int16_t>(highest + 1);
  const std::string next_file = position_folder_ + kNextPlotFile;
  if (!plat::WriteBlock(next_file, &next, sizeof next)) ShowCannotWrite(next_file);
}

}  // namespace quentaris
