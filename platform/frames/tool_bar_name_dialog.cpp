#include "platform/frames/tool_bar_name_dialog.h"

#include "platform/dialogs/dialog_layout.h"
#include "platform/frames/tool_bar_setup.h"

namespace plat {

namespace {

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

ToolBarNameDialog::ToolBarNameDialog(std::string_view caption, std::string name,
                                     std::function<bool(std::string_view)> taken, Window* owner)
    : Dialog(0, caption, owner), name_(std::move(name)), taken_(std::move(taken)) {}

void ToolBarNameDialog::BuildLayout(DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Tool bar &name:").EditBox(kNameField, 0x0080, 32);
  layout.OkCancel();
}

bool ToolBarNameDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  SetDlgItemText(kNameField, name_);
  GotoDlgCtrl(GetDlgItem(kNameField));
  return false;
}

void ToolBarNameDialog::OnOK() {
  const std::string name = Trimmed(GetDlgItemText(kNameField));
  std::string problem = ToolBarNameProblem(name);
  if (problem.empty() && taken_ && taken_(name)) problem = "A tool bar named \"" + name + "\" is there already.";
  if (!problem.empty()) {
    MessageBox(problem, Caption(), MB_OK | MB_ICONEXCLAMATION);
    GotoDlgCtrl(GetDlgItem(kNameField));
    return;
  }
  name_ = name;
  EndDialog(IDOK);
}

}  // namespace plat
