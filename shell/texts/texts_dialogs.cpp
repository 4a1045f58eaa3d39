#include "shell/texts/texts_dialogs.h"

#include <cstdint>

#include "platform/binary_io.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace quentaris {
namespace {

constexpr std::string_view kPreambleCharacters =
    "-+_.0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Read from the settings folder (by its bare name only while that folder
// cannot be used), written into the settings folder only.
std::string PdfCopyPath(const common::SettingsContext& settings) {
  return common::JoinSettingsPath(settings, kPdfCopyFile);
}

std::string PdfCopyWritePath(const common::SettingsContext& settings) {
  return common::SettingsWritePath(settings, kPdfCopyFile);
}

}  // namespace

bool IsValidPreamble(std::string_view preamble) {
  return preamble.find_first_not_of(kPreambleCharacters) == std::string_view::npos;
}

int ReadPdfCopy(const common::SettingsContext& settings) {
  std::int32_t value = 0;
  if (!plat::ReadBlock(PdfCopyPath(settings), &value, sizeof value)) return 0;
  return value == 1 ? 1 : 0;
}

bool WritePdfCopy(const common::SettingsContext& settings, int value) {
  const std::int32_t stored = value;
  return plat::WriteBlock(PdfCopyWritePath(settings), &stored, sizeof stored);
}

CDiaName::CDiaName(std::string position_folder, plat::Window* owner)
    : ShellDialog(kDiaNameTemplate, "Print to file", owner), position_folder_(std::move(position_folder)) {}

void CDiaName::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Name of the file:").EditBox(kNameEdit, 0x0080, 30);
  form.Field("Path:").Text(position_folder_, kNamePath);
  layout.OkCancel("OK", "Cancel");
}

bool CDiaName::OnInitDialog() {
  ShellDialog::OnInitDialog();
  if (plat::Window* edit = GetDlgItem(kNameEdit)) {
    static_cast<plat::Edit*>(edit)->SetSel(0, -1);
    edit->SetFocus();
  }
  return false;
}

void CDiaName::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Text(dx, kNameEdit, name); }

void CDiaName::OnOK() {
  if (!UpdateData(true)) return;
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    plat::MessageBox("Please type the name of a file, without a folder.", "Print to file", plat::MB_OK);
    return;
  }
  const std::string path = position_folder_ + name;
  if (plat::FileExists(path) &&
      plat::MessageBox(("The file " + path + " exists. Replace it?").c_str(), "Print to file",
                       plat::MB_YESNO | plat::MB_ICONQUESTION) != plat::IDYES) {
    return;
  }
  EndDialog(plat::IDOK);
}

CDiaVorspann::CDiaVorspann(plat::Window* owner)
    : ShellDialog(kDiaVorspannTemplate, "Vorspann im Dateinamen", owner) {}

void CDiaVorspann::BuildLayout(plat::DialogLayout& layout) {
  layout.Text("Text placed before the name of every copied file.");
  layout.Text("Allowed: letters, digits and - + _ .");
  layout.Form().Field("Vorspann:").EditBox(kPreambleEdit, 0x0080, 20);
  layout.OkCancel("OK", "Cancel");
}

void CDiaVorspann::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Text(dx, kPreambleEdit, preamble); }

void CDiaVorspann::OnOK() {
  if (!UpdateData(true)) return;
  if (!IsValidPreamble(preamble)) {
    plat::MessageBox("Nicht zul\xE4ssige Zeichen im Text", " ", plat::MB_OK);
    return;
  }
  EndDialog(plat::IDOK);
}

CDiaCopyOpt::CDiaCopyOpt(const common::SettingsContext& settings, plat::Window* owner)
    : ShellDialog(kDiaCopyOptTemplate, "Copy options", owner), settings_(settings) {
  choice_ = ReadPdfCopy(settings_) == 1 ? 0 : 1;
}

void CDiaCopyOpt::BuildLayout(plat::DialogLayout& layout) {
  layout.RadioButton("pdf-files kopieren", kCopyPdf, true);
  layout.RadioButton("text-files kopieren", kCopyText);
  layout.OkCancel("OK", "Cancel");
}

void CDiaCopyOpt::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Radio(dx, kCopyPdf, choice_); }

void CDiaCopyOpt::OnOK() {
  if (!UpdateData(true)) return;
  if (!WritePdfCopy(settings_, choice_ == 0 ? 1 : 0)) ShowCannotWrite(PdfCopyWritePath(settings_));
  EndDialog(plat::IDOK);
}

}  // namespace quentaris
