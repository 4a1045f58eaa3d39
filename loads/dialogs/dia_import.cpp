#include "loads/dialogs/dia_import.h"

#include "loads/dialogs/import_line_loads.h"
#include "loads/dialogs/number_fields.h"
#include "loads/editor/change_test.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/message_box.h"
#include "platform/text_file.h"

namespace pundf {

CDiaImport::CDiaImport(std::string path, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Import", owner), path_(std::move(path)) {}

void CDiaImport::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kList, plat::WS_VSCROLL | plat::WS_HSCROLL, 40, 12);
  layout.Form().Field("Value [kN/m]").EditBox(kValueEdit, 0x0080, 10);
  layout.OkCancel("OK", "Stop");
}

bool CDiaImport::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (auto read = plat::ReadLines(path_)) lines_ = std::move(*read);
  auto* list = dynamic_cast<plat::ListBox*>(GetDlgItem(kList));
  for (std::string& line : lines_) {
    if (line.size() > kLineChars) line.resize(kLineChars);
    if (list != nullptr) list->AddString(line);
  }
  GotoDlgCtrl(GetDlgItem(kValueEdit));
  return false;
}

void CDiaImport::OnOK() {
  const auto value = TakeFieldNumber(*this, kValueEdit, "Value [kN/m]");
  if (!value) return;
  value_ = *value;
  plat::Dialog::OnOK();
}

bool OnImportLineLoads(EditorSession& session, plat::Window* owner) {
  plat::FileDialog choose(true, "dxf", "*.txt", plat::OFN_FILEMUSTEXIST | plat::OFN_HIDEREADONLY, {}, owner);
  if (choose.DoModal() != plat::IDOK) return false;
  CDiaImport dialog(choose.GetPathName(), owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  const ImportReport report = ImportLineLoads(session.model, dialog.lines(), dialog.value());
  const std::string message = ImportMessage(report);
  if (!message.empty()) plat::MessageBox(message, "Import", plat::MB_OK | plat::MB_ICONEXCLAMATION);
  if (report.added == 0) return false;
  LoadsChanged(session);
  return true;
}

}  // namespace pundf
