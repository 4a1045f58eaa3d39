#pragma once
// "Copy a LC": the position, data path and load case whose loads are copied,
// the shifts of their points, the factor of their values and whether they are
// added to the current ones. The last source is kept in OLCPICK.
#include <array>
#include <string>

#include "common/position/position.h"
#include "loads/editor/editor_session.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaCopy : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 152;
  static constexpr plat::UINT kPositionEdit = 1000;
  static constexpr plat::UINT kCaseEdit = 1001;
  static constexpr plat::UINT kPathEdit = 1014;
  static constexpr plat::UINT kShiftXEdit = 1015;
  static constexpr plat::UINT kShiftYEdit = 1016;
  static constexpr plat::UINT kFactorEdit = 1017;
  static constexpr plat::UINT kAddCheck = 1025;
  static constexpr plat::UINT kOk = 1027;
  // The text fields of OLCPICK, each 241 bytes.
  static constexpr int kFieldBytes = 241;

  // Offers the source kept in OLCPICK of `current`, else the current position
  // without a final "A" in its data path.
  CDiaCopy(const common::Position& current, plat::Window* owner);

  std::string position_name;
  std::string data_path;
  int number = 1;
  std::string shift_x = "0.0";
  std::string shift_y = "0.0";
  std::string factor_text = "1.0";
  int add = 0;
  // After OK: the shifts x, y and the factor as numbers.
  std::array<float, 2> shift{};
  float factor = 1.0f;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  std::string olcpick_;
};

// The command Copy: the dialog, the source's PL checked, then the copy into the
// load case in memory; true when the loads changed.
bool OnCopyLoadCase(EditorSession& session, plat::Window* owner);

}  // namespace pundf
