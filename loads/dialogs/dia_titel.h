#pragma once
// "Title of load case": the title (at most 79 characters), kept in the load
// case until the next store.
#include <string>

#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaTitel : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 2000;
  static constexpr plat::UINT kTitleEdit = 1000;
  static constexpr int kTitleChars = 79;

  CDiaTitel(std::string title, plat::Window* owner);

  const std::string& title() const { return title_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;

 private:
  std::string title_;
};

}  // namespace pundf
