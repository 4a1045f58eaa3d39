#pragma once
// "Gravity load": the specific weight [kN/m3] and the floor covering [kN/m] of
// the load case's gravity load; "&Delete" takes it away.
#include "loads/editor/editor_session.h"
#include "loads/dialogs/deletable_dialog.h"

namespace pundf {

class DIA_EIGEN : public DeletableDialog {
 public:
  static constexpr plat::UINT kTemplateId = 1300;
  static constexpr plat::UINT kGammaEdit = 1000;
  static constexpr plat::UINT kCoveringEdit = 1001;

  // The texts offered for the two values.
  DIA_EIGEN(std::string gamma, std::string covering, plat::Window* owner);

  // After OK: the values typed.
  float gamma() const { return gamma_; }
  float covering() const { return covering_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  std::string gamma_text_;
  std::string covering_text_;
  float gamma_ = 0.0f;
  float covering_ = 0.0f;
};

// The command Gravity load; true when the load case changed.
bool OnGravityLoad(EditorSession& session, plat::Window* owner);

}  // namespace pundf
