#pragma once
// "Line load": the floor load [kN/m] put on every beam of the frame, the load
// case stored at once; "&Delete" takes the value away.
#include "loads/editor/editor_session.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDIA_P : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 131;
  static constexpr plat::UINT kValueEdit = 1000;
  static constexpr plat::UINT kDelete = 1006;

  CDIA_P(double value, plat::Window* owner);

  // After OK: the value typed, and whether "&Delete" was pressed.
  float value() const { return value_; }
  bool deleted() const { return deleted_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnOK() override;

 private:
  float value_;
  bool deleted_ = false;
};

// The command Floor load; true when the load case changed.
bool OnFloorLoad(EditorSession& session, plat::Window* owner);

}  // namespace pundf
