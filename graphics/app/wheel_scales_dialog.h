#pragma once
// 327 "Scales": the wheel's scales of the picture typed in, "%.4E" each.
#include "graphics/compose/picture_request.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

// The support-reaction and load scales live in the further fields 2 and 3.
inline constexpr std::size_t kReactionScaleField = 1;
inline constexpr std::size_t kLoadScaleField = 2;

// The seven diagram scales (every field but the two factors) set to 0.1.
void ResetDiagramScales(PictureScales& scales);

class CDiaSkalenGrafik : public plat::Dialog {
 public:
  static constexpr plat::UINT kGeneral = 1009;
  static constexpr plat::UINT kMoments = 1011;
  static constexpr plat::UINT kShear = 1012;
  static constexpr plat::UINT kNormal = 1013;
  static constexpr plat::UINT kReactions = 1036;
  static constexpr plat::UINT kOk = 1022;
  static constexpr plat::UINT kReset = 1002;

  CDiaSkalenGrafik(const PictureScales& scales, plat::Window* owner);
  // After OK: the scales typed, or all reset.
  const PictureScales& scales() const { return scales_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnOK() override;

 private:
  void ShowScales();
  PictureScales scales_;
};

}  // namespace revuzavi
