#pragma once
// "LC Temperature": the uniform temperature T, the difference Delta T between
// the faces and the coefficient alpha_T of the load case; "&Delete" takes the
// temperature load away.
#include <functional>
#include <string>

#include "loads/editor/editor_session.h"
#include "loads/tables/table_state.h"
#include "loads/dialogs/deletable_dialog.h"

namespace pundf {

struct TemperatureValues {
  float uniform_t = 0.0f;
  float delta_t = 0.0f;
  float alpha_t = 0.0f;
};

class CDiaTemp : public DeletableDialog {
 public:
  static constexpr plat::UINT kTemplateId = 148;
  static constexpr plat::UINT kUniformEdit = 1014;
  static constexpr plat::UINT kDeltaEdit = 1000;
  static constexpr plat::UINT kAlphaEdit = 1001;
  static constexpr plat::UINT kSingle = 1007;
  // "Single": the values typed so far, then the element temperatures.
  using Single = std::function<void(const TemperatureValues&, plat::Window* owner)>;

  // Offers the load case's values when its temperature flag is set, else "0.0", "0.0", "1.2E-5".
  CDiaTemp(const common::LoadCaseParams& params, Single single, plat::Window* owner);

  // After OK: the values typed.
  const TemperatureValues& values() const { return values_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  // Enter steps from Delta T to alpha_T and from there to OK.
  bool PreTranslateMessage(plat::MSG* msg) override;

 private:
  // The three edits read into values_; false, with the input error shown,
  // when one holds no number that fits.
  bool ReadValues();
  std::string uniform_, delta_, alpha_;
  Single single_;
  TemperatureValues values_;
};

// The command Temperature: on OK the load case's values and flag, and, while
// no element carries a temperature of its own, every element the values.
// True when the load case changed.
bool OnTemperature(EditorSession& session, tables::TableState& table_state, plat::Window* owner);

}  // namespace pundf
