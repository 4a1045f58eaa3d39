#include "shell/dialogs/dia_formular.h"

#include "common/page/page_counter_files.h"
#include "platform/clock.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace quentaris {
namespace {

using Field = common::PageHeader::Field;

struct FieldControl {
  Field field;
  plat::UINT id;
};

// In the order of the file, which is the order of the tab stops.
constexpr FieldControl kControls[] = {
    {Field::kAuthor, 1000},     {Field::kProgram, 1001},     {Field::kBuilding, 1002},      {Field::kPart, 1005},
    {Field::kBlock, 1008},      {Field::kProcess, 1009},     {Field::kFileNumber, 1034},    {Field::kArchiveNumber, 1035},
    {Field::kDate, 1036},       {Field::kFirstPage, 1037},   {Field::kFontSize, 1011},
};

constexpr std::size_t kVersionChars = 249;

}  // namespace

CDiaFormular::CDiaFormular(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaFormularTemplate, "Formular", owner), state_(state) {}

void CDiaFormular::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  for (const FieldControl& c : kControls) form.Field(common::PageHeaderLabel(c.field)).EditBox(c.id, 0x0080, 40);
  auto buttons = layout.Row();
  buttons.Stretch();
  buttons.DefPushButton("OK", kDiaFormularOk);
  buttons.PushButton("Abbrechen", plat::IDCANCEL);
}

bool CDiaFormular::OnInitDialog() {
  header = {};
  header[Field::kProgram] = ReadVersionLine(kVersionChars);
  if (auto author = common::ReadAuthorFile(state_.SettingsPath(common::kAuthorFile))) header[Field::kAuthor] = *author;
  const common::PageHeaderRead stored = common::ReadPageHeaderFile(state_.SettingsPath(common::kPageHeaderFile));
  if (stored.state == common::PageHeaderState::kOk) {
    header = stored.header;
  } else {
    header[Field::kFontSize] = "10";  // an empty size would print in 8 points
  }
  // The next page to print is the position's, not the one stored with the form.
  if (!state_.position_folder.empty()) {
    if (auto next = common::ReadPageCounterFile(state_.position_folder + common::kPageCounterFile)) {
      header[Field::kFirstPage] = std::to_string(*next);
    }
  }
  header[Field::kDate] = plat::LocalDateText();
  return ShellDialog::OnInitDialog();
}

void CDiaFormular::DoDataExchange(plat::DataExchange& dx) {
  for (const FieldControl& c : kControls) plat::DDX_Text(dx, c.id, header[c.field]);
}

bool CDiaFormular::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kDiaFormularOk) {
    if (!UpdateData(true)) return true;
    EndDialog(plat::IDOK);
    WriteFiles();
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

void CDiaFormular::WriteFiles() const {
  // Each file is written even when one before it failed.
  const std::string header_path = state_.SettingsWritePath(common::kPageHeaderFile);
  if (!common::WritePageHeaderFile(header_path, header)) ShowCannotWrite(header_path);
  const std::string path_file = state_.SettingsWritePath(common::kPageHeaderPathFile);
  if (!common::WritePageHeaderPathFile(path_file, state_.position_folder)) ShowCannotWrite(path_file);
  if (!state_.position_folder.empty()) {
    const std::string counter = state_.position_folder + common::kPageCounterFile;
    if (!common::WritePageCounterFile(counter, FieldToInt16(header[Field::kFirstPage]))) ShowCannotWrite(counter);
  }
  const std::string author = state_.SettingsWritePath(common::kAuthorFile);
  if (!common::WriteAuthorFile(author, header[Field::kAuthor])) ShowCannotWrite(author);
}

}  // namespace quentaris
