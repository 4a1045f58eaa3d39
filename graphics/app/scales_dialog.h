#pragma once
// 317 " Scale (Open this dialog with a right click)": the factor k of the picked elements'
// stiffness, the error margin and the iteration limit of the reanalysis and its method; preset
// factors and the progressive-failure reports close it as OK.
#include <optional>
#include <string>

#include "graphics/app/viewer_session.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

// What the dialog was given and gives back.
struct ReanalysisParameters {
  float k = 0.0f;
  ScalesParams scales;
  int method = ReanalysisState::kDirect;
  // 0, or the sense of the report asked for (kFollowCompression, kFollowTension).
  int report_sense = 0;
};

class CDiaSkalen : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 317;
  static constexpr plat::UINT kOk = 1022;
  static constexpr plat::UINT kFactor = 1009;
  static constexpr plat::UINT kErrorMargin = 1011;
  static constexpr plat::UINT kIterationLimit = 1012;
  static constexpr plat::UINT kIterative = 1068;
  static constexpr plat::UINT kDirect = 1013;
  static constexpr plat::UINT kZeroCompression = 1007;
  static constexpr plat::UINT kZeroTension = 1008;
  static constexpr plat::UINT kDefault = 1014;
  static constexpr plat::UINT kHelp = 1010;

  CDiaSkalen(const ReanalysisParameters& start, plat::Window* owner);

  // After OK: the values checked, the node runs' margin a hundredth of the error margin and
  // their limit five times the iteration limit.
  const ReanalysisParameters& parameters() const { return parameters_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void ShowValues(const char* k_format, float k, float eps, int limit);
  // OK with the factor shown (or `preset`) and the report sense; false (the dialog stays open)
  // when a value is refused.
  bool Confirm(int report_sense, const char* preset = nullptr);

  ReanalysisParameters parameters_;
};

// Command 329 "Parameter": refused while a hinge, shear hinge or cut is in the frame; else
// CDiaSkalen on "Scales", and on OK the file written, the method taken and the report asked for
// written. True when the picture must be drawn again.
bool EditReanalysisParameters(ViewerSession& session, plat::Window* parent);

}  // namespace revuzavi
