#pragma once
// 2081 "Line width": the frame's line width typed in, 1 to 10.
#include "platform/dialogs/dialog.h"

namespace revuzavi {

class CDiaLines : public plat::Dialog {
 public:
  static constexpr plat::UINT kWidth = 1009;

  CDiaLines(int width, plat::Window* owner);
  int width() const { return width_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;

 private:
  int width_;
};

}  // namespace revuzavi
