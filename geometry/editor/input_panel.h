#pragma once
// CDiaMain, the modeless "Input" panel: its buttons open the table dialogs and
// the generators, or ask the view to open a window of its own.
#include <optional>

#include "geometry/editor/editor_session.h"
#include "geometry/editor/generator_dialogs.h"
#include "platform/controls/tool_tip.h"
#include "platform/dialogs/dialog.h"

namespace kelmf {

namespace panel_ids {
inline constexpr plat::UINT kMaterial = 1008;
inline constexpr plat::UINT kElements = 312;
inline constexpr plat::UINT kCrossSections = 1041;
inline constexpr plat::UINT kTitle = 1042;
inline constexpr plat::UINT kSupports = 313;
inline constexpr plat::UINT kContinuousBeam = 310;
inline constexpr plat::UINT kFrame = 311;
inline constexpr plat::UINT kArc = 314;
inline constexpr plat::UINT kParabola = 1000;
// Messages between the panel and the view.
inline constexpr plat::UINT kPanelClosing = plat::WM_USER + 91;
inline constexpr plat::UINT kOpenElements = plat::WM_USER + 93;
inline constexpr plat::UINT kPanelRequest = plat::WM_USER + 107;
inline constexpr plat::UINT kOpenTitle = plat::WM_USER + 109;
inline constexpr plat::UINT kOpenElementsFromParabola = plat::WM_USER + 135;
}  // namespace panel_ids

// The model defaults the panel opens with, while E of material 1 (FrameParams
// 536) is below 1.
void SetInputDefaults(common::FrameParams& params);

// The message the panel posts back to the view for a WM_USER+107 request
// (11 to 15); none for any other request.
std::optional<plat::UINT> PanelAnswer(plat::WPARAM request);

class CDiaMain : public plat::Dialog {
 public:
  // `view` receives the panel's messages (may be null).
  CDiaMain(EditorSession& session, plat::Window* view);

  // Where the panel opens: the remembered screen point, else (0, 70).
  void Remember(plat::Point screen) { place_ = screen; }
  bool PreTranslateMessage(plat::MSG* msg) override;
  plat::ToolTipCtrl& tips() { return tips_; }
  bool panel_open() const { return panel_open_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void Post(plat::UINT message, plat::WPARAM wParam);
  void OpenMaterials();
  void OpenCrossSections();
  void OpenSupports();
  void OpenBeam();
  void OpenStoreyFrame();
  void OpenArc();
  void OpenParabola();
  void Redraw();

  EditorSession& session_;
  plat::Window* view_;
  plat::ToolTipCtrl tips_;
  std::optional<plat::Point> place_;
  bool panel_open_ = false;
  bool title_requested_ = false;
  bool materials_changed_ = false;
  bool sections_exist_ = false;
  // The parabola's fields as typed when the generator refused them: the
  // dialog opens with them again (the parabola input keeps the last one generated).
  std::optional<ParabolaFields> refused_parabola_;
  // The arc's fields as typed when nothing could be written (the position in
  // use): the dialog opens with them again (else with BOGEN's).
  std::optional<ArcFields> unwritten_arc_;
};

}  // namespace kelmf
