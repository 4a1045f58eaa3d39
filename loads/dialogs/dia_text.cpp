#include "loads/dialogs/dia_text.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text_file.h"

namespace pundf {

CDiaText::CDiaText(std::string path, std::string text, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Text", owner), path_(std::move(path)), text_(std::move(text)) {}

void CDiaText::BuildLayout(plat::DialogLayout& layout) {
  layout.RichText(kText, plat::WS_VSCROLL | plat::WS_HSCROLL | plat::ES_AUTOVSCROLL | plat::ES_READONLY, 100, 35,
                  &editor_);
  layout.OkCancel("OK", "Stop");
}

bool CDiaText::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  editor_.SetLimitText(0);  // the whole file, however long
  editor_.SetWindowText(text_);
  SetWindowText(path_);
  // The listing opens at its start, nothing selected.
  GotoDlgCtrl(GetDlgItem(plat::IDOK));
  editor_.SetSel(0, 0);
  return false;
}

void ShowLoadListing(const LoadModel& model, plat::Window* owner) {
  for (const char* name : {"D2.TXT", "D2"}) {
    const std::string path = model.position.FolderFile(name);
    if (!plat::FileExists(path)) continue;
    std::string text;
    if (const auto lines = plat::ReadLines(path)) {
      for (std::size_t i = 0; i < lines->size(); ++i) text += (i > 0 ? "\r\n" : "") + (*lines)[i];
    }
    CDiaText dialog(path, text, owner);
    dialog.DoModal();
    return;
  }
  plat::MessageBox("No load case stored", "Missing file D2.TXT", plat::MB_OK);
}

}  // namespace pundf
