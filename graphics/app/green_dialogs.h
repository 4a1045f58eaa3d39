#pragma once
// The dialogs of the Green's-function pictures: CDiaGreenElement (326) asks
// for the element whose Green's functions are shown, CDiaGreenAny (348) for
// the function of the Green's function anywhere.
#include "platform/dialogs/dialog.h"

namespace revuzavi {

class CDiaGreenElement : public plat::Dialog {
 public:
  static constexpr plat::UINT kElementEdit = 1009;

  CDiaGreenElement(int element_count, plat::Window* owner);
  // After OK: the element, 1..count.
  int element() const { return element_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  // A number outside 1..count shows "Wrong input" and the dialog stays open.
  void OnOK() override;

 private:
  int element_count_;
  int element_ = 0;
};

class CDiaGreenAny : public plat::Dialog {
 public:
  // The functions u, w, w,x, N, V, M in this order (index 0..5).
  static constexpr plat::UINT kFunctionIds[6] = {1031, 1032, 1033, 1034, 1035, 1040};
  static constexpr plat::UINT kIntegral = 1000;
  static constexpr plat::UINT kCancel = 4;
  static constexpr plat::UINT kHelp = 1014;

  // `choice` 0..5 is checked at the start.
  CDiaGreenAny(int choice, bool integral, plat::Window* owner);
  int choice() const { return choice_; }
  bool integral() const { return integral_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  // A function chosen closes the dialog as OK; 4 cancels; 1014 opens the help.
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  // OK (1, the default button, Enter) takes the function checked as it stands.
  void OnOK() override;

 private:
  int choice_;
  bool integral_;
};

}  // namespace revuzavi
