#pragma once
// The save dialog "Save load case": the number under which the load case is
// stored (1..99) and its title; "&OK", "OK + End" and "&Stop".
#include <string>

#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaStore : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 153;
  static constexpr plat::UINT kNumberEdit = 1000;
  static constexpr plat::UINT kTitleEdit = 1001;
  static constexpr plat::UINT kOkAndEnd = 1006;
  // The title field holds 81 characters.
  static constexpr int kTitleChars = 81;

  // Offers `number` and `title`; an empty title is offered as "Load case <number>".
  CDiaStore(int number, std::string title, plat::Window* owner);

  // After OK or "OK + End": what was typed.
  int number() const { return number_; }
  const std::string& title() const { return title_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  int number_;
  std::string title_;
};

}  // namespace pundf
