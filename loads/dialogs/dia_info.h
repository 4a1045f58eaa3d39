#pragma once
// The information page "Info" of the load case, written to INFOTEXT of the
// position folder and shown in a read-only edit with the caret at its end.
#include <string>

#include "loads/model/load_model.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaInfo : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 196;
  static constexpr plat::UINT kTextEdit = 1000;

  CDiaInfo(std::string text, plat::Window* owner);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;

 private:
  std::string text_;
};

// The command Info: INFOTEXT written (the page is shown even when it cannot be), then the page.
void ShowLoadCaseInfo(const LoadModel& model, plat::Window* owner);

}  // namespace pundf
