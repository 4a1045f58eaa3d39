#include "shell/dialogs/dia_redit.h"

#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace quentaris {
namespace {

std::string WithoutTrailingBlanks(std::string line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

}  // namespace

CDiaREdit::CDiaREdit(std::string path, bool oem, plat::Window* owner)
    : ShellDialog(kDiaREditTemplate, "Texts", owner), path_(std::move(path)), oem_(oem) {}

void CDiaREdit::BuildLayout(plat::DialogLayout& layout) {
  layout.RichText(kREditText, plat::WS_VSCROLL | plat::WS_HSCROLL | plat::ES_AUTOVSCROLL | plat::ES_WANTRETURN, 100,
                  35, &editor_);
}

bool CDiaREdit::OnInitDialog() {
  ShellDialog::OnInitDialog();
  const auto lines = plat::ReadLines(path_);
  if (!lines) {
    ShowFileMissing(path_);
    EndDialog(plat::IDCANCEL);
    return true;
  }
  std::string text;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    if (i > 0) text += "\r\n";
    text += oem_ ? plat::Cp850ToCp1252((*lines)[i]) : (*lines)[i];
  }
  editor_.SetDefaultCharFormat(plat::CharFormat{});
  editor_.SetLimitText(0);  // the whole file, however long
  editor_.SetWindowText(text);
  editor_.SetModify(false);
  SetWindowText(path_);
  return true;
}

void CDiaREdit::OnOK() { Close(plat::IDOK); }
void CDiaREdit::OnCancel() { Close(plat::IDCANCEL); }

void CDiaREdit::Close(int result) {
  if (editor_.GetModify() &&
      plat::MessageBox("Save changes?", "Edited file", plat::MB_YESNO | plat::MB_ICONQUESTION | plat::MB_DEFBUTTON2) ==
          plat::IDYES) {
    if (!WriteText()) ShowCannotWrite(path_);
  }
  EndDialog(result);
}

bool CDiaREdit::WriteText() {
  std::string text;
  for (const std::string& line : plat::SplitLines(editor_.GetWindowText())) {
    text += WithoutTrailingBlanks(line);
    text += '\n';
  }
  return plat::WriteTextFile(path_, text);
}

}  // namespace quentaris
