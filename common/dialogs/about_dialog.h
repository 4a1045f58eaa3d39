#pragma once
// The about box of every program (the about command, 57664): the program's
// name and version line and an OK button.
#include <string>

#include "platform/dialogs/dialog.h"

namespace common {

inline constexpr plat::UINT kAboutDialogTemplate = 100;
inline constexpr plat::UINT kAboutVersionText = 1000;

class AboutDialog : public plat::Dialog {
 public:
  // Caption "About <program>"; the version line defaults to "<program> Version 1.0".
  explicit AboutDialog(const std::string& program, std::string version = {}, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;

 private:
  std::string version_;
};

}  // namespace common
