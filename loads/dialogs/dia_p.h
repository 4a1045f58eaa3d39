#pragma once
// "Line load": the floor load [kN/m] put on every beam of the frame, the load
// case stored at once; "&Delete" takes the value away.
#include "loads/editor/editor_session.h"
#include "loads/dialogs/deletable_dialog.h"

namespace pundf {

class CDIA_P : public DeletableDialog {
 public:
  static constexpr plat::UINT kTemplateId = 131;
  static constexpr plat::UINT kValueEdit = 1000;

  CDIA_P(double value, plat::Window* owner);

  // After OK: the value typed.
  float value() const { return value_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  float value_;
};

// The command Floor load; true when the load case changed.
bool OnFloorLoad(EditorSession& session, plat::Window* owner);

}  // namespace pundf
