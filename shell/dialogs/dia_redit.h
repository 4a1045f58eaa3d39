#pragma once
// Dialog 136 "Texts": an editor of one text file filling the window. Closing
// a changed text asks whether to save it.
#include <string>

#include "platform/controls/rich_edit.h"
#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

inline constexpr plat::UINT kDiaREditTemplate = 136;
inline constexpr plat::UINT kREditText = 1019;

class CDiaREdit : public ShellDialog {
 public:
  // `oem`: the file is in the OEM code page (850).
  explicit CDiaREdit(std::string path, bool oem = false, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // Asks about a changed text and writes it on Yes; then the dialog ends.
  void Close(int result);
  bool WriteText();

  std::string path_;
  bool oem_;
  plat::RichEdit editor_;
};

}  // namespace quentaris
