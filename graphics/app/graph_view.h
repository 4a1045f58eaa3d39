#pragma once
// The picture window of the results viewer: the result picture of the load
// case shown, the steps through the load cases (32813, 32814, 32801) and the
// end of the program when it is closed.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "graphics/app/green_pictures.h"
#include "graphics/app/modification_modes.h"
#include "graphics/app/picture_controls.h"
#include "graphics/app/viewer_session.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/controls/edit.h"
#include "platform/frames/view.h"

namespace revuzavi {

// The picture's scales as the fields of MEMSCALEGLF1.
RememberedScales ScalesOf(const PictureScales& scales);
// The scales the load case keeps: the picture's, but its own displacement
// scale while an eigenmode, Green's-function or shape picture is shown.
RememberedScales LoadCaseScales(const ViewerState& state, const PictureRequest& request);

class CGRAPHView : public plat::View {
 public:
  explicit CGRAPHView(ViewerSession& session);

  // 32813 (forward) and 32814: the next or previous load case of the diary.
  void OnStepLoadCase(int code);
  // 32801: the load case chosen in CDiaLF.
  void OnChooseLoadCase();
  // 315, 314, 32874, 313 and their keys: one result diagram of the load case.
  void OnDiagram(DiagramKind kind);
  // 346 and W: the element energies on/off.
  void OnEnergy();
  // 316: the frame picture on/off.
  void OnFrame();
  // The key left of Y and the menu's Fit: the curve shown fitted to the window,
  // smaller or larger (a collapsed one comes back); the labels placed anew.
  void OnFitDiagrams();
  // 33086: the picture to the clipboard and the numbered image file.
  void OnExport();
  // 33089, 352, 353: the help document from the program folder, else LERVENTA with it.
  void OnHelp(const char* document);
  // 1085: a print run over the diary's load cases, one page each, from the
  // load case shown; the run ends after the last and returns to its first.
  void OnPrintRun();
  // 318: the Green's function of a node's first degree of freedom.
  void OnNodeGreen();
  // 325: the Green's functions of an element (CDiaGreenElement), from kind 1.
  void OnElementGreen();
  // 327: the Green's function of the first supported degree of freedom.
  void OnSupportGreen();
  // 349: the Green's function anywhere of the function chosen in CDiaGreenAny.
  void OnGreenAnywhere();
  // The point of the Green's function anywhere (a Ctrl+click): station 0..50
  // of element e; false when that picture is off or there is no such element.
  bool SetGreenPoint(int element, int station);
  // 347: the flexibilities of FLEXMAX from the largest.
  void OnFlex();
  // 355: the shape-function picture on/off.
  void OnShapeFunctions();
  // The unit displacement of equation `dof` in the shape-function picture; false when off or no such equation.
  bool ShowShapeFunction(int dof);
  const GreenPictureState& green() const { return green_; }
  // 351: the eigenmode picture from its first mode.
  void OnEigen();
  // 350: every picture switch off, the factor 1.
  void OnResetPicture();
  // 328: the wheel's scales typed in CDiaSkalenGrafik; 330: every scale 0.1.
  void OnScales();
  void OnResetScales();
  // 33156: the frame's line width typed in CDiaLines, stored in GRAPHRDB.
  void OnLineWidth();
  // 33004: every label placed anew.
  void OnAlignText();
  // A click on status pane 1: the wheel's next target, the diagram, the loads, the support reactions.
  void StepWheelTarget();
  // 329 "Parameter": CDiaSkalen on "Scales", and the report it asks for.
  void OnParameter();

  const PictureControls& controls() const { return controls_; }
  // The picture as the screen shows it, on any device context; or as a window of
  // width x height would show it.
  void DrawOn(plat::Dc& dc) { OnDraw(dc); }
  void DrawOn(plat::Dc& dc, int width, int height) { DrawView(dc, width, height, false); }
  // The hint box's text, empty when it is closed.
  std::string HintText() const;
  // A click at `client` in a displacement, normal-force, moment or shear picture with the
  // equivalent nodal forces shown: the element under it is plotted (WM_USER+5 to the main
  // window). False when the picture is another or no element lies there.
  bool PostElementPlot(plat::Point client);

  // The hint box's control id.
  static constexpr plat::UINT kHintId = 1224;

  // The local modification (graph_view_modify.cpp).
  const ModificationModes& modes() const { return modes_; }
  // The client point where the view shows the world point (x, z).
  plat::Point ClientPointOf(float x, float z);
  // 322: the forces f+ of the current step as the picture "Forces f+ ".
  void OnForcesFPlus();
  // 342 and 344: a pending hinge, shear hinge or cut closed, the modes off, the frame reset.
  void OnEndSelection();
  // 344: the selection ended and the equivalent nodal forces of RHSG shown or hidden.
  void OnEquivalentNodalForces();
  // The cursor resource of the modes.
  static constexpr int kPickCursor = 321;

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnInitialUpdate() override;
  void OnDraw(plat::Dc& dc) override;
  void OnDestroy() override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point point) override;
  bool PreTranslateMessage(plat::MSG* msg) override;
  // The right button's one action: the next value in the eigenmode picture; without picks the
  // parameter dialog.
  void OnContextMenu(plat::Window* window, plat::Point point) override;
  void OnLButtonDown(plat::UINT flags, plat::Point point) override;
  void OnRButtonDown(plat::UINT flags, plat::Point point) override;
  void OnMouseMove(plat::UINT flags, plat::Point point) override;
  // Status panes 1 and 3: the wheel's target and the cursor in metres.
  void ShowCursorStatus(plat::Point point);
  void OnLButtonUp(plat::UINT flags, plat::Point point) override;
  bool OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  // 1042 to the main window.
  void OnSetFocus(plat::Window* old) override;
  // The hint box's change (1224, EN_CHANGE): an Enter typed (0xA7) is taken
  // out again, an empty box closed.
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  // After a switch: labels placed afresh, the caption, the menu and a repaint;
  // 1049 to the main window when the switch failed.
  void AfterSwitch(bool failed);
  void ShowTitle();
  // Resets a modification under way.
  void ResetModification();
  void WriteScales();
  // The request's device area and margins for a width x height area.
  void PrepareRequest(int width, int height, bool printing);
  // While a modification is under way, a picture of a field not drawn before is fitted.
  void FitAfterModification();
  // A drawing changed the scales (it fitted one): they are remembered.
  void KeepFittedScales();
  // The picture and its title on a width x height device area.
  void DrawView(plat::Dc& dc, int width, int height, bool printing);
  void ShowHint(const std::string& text);
  void CloseHint();
  void OnEscape();
  void OnOnlyValues(bool x);
  // The eigenmode `number`; false (the mode shown stays) when it cannot be read.
  bool ShowMode(int number);
  // Esc out of a Green's-function or eigenmode picture: UT8 read again, the frame.
  bool LeaveSpecialPicture();
  // While the displacements hold another field (a Green's function, an eigenmode, a unit
  // displacement): that picture off, the load case's UT8 read again with its own scales.
  void RestoreLoadCaseField();
  void OnStepKey(int code);
  // The next or previous value of the Green's-function, flexibility and
  // eigenmode pictures (Up, Down, the mouse buttons); false when none is shown.
  bool StepValuePicture(bool next);
  // The element Green function of `kind`; false (a message shown) when it cannot be computed.
  bool ShowElementGreen(int element, int kind);
  void ShowFlexEntry(int k);
  // Esc and 355 out of the shape-function picture: UT8 read again, the frame; false when it is off.
  bool LeaveShapeFunctions();
  // After a load-case step: RHSG of the new load case and the same unit displacement.
  void RefreshShapeFunction();
  // After a load-case switch: the Green's-function field or unit displacement shown made again
  // (the switch read the load case's displacements), with the picture's scale kept.
  void RefreshGreenField();
  // The field of the Green's function anywhere at `sample` (0..50) of element e; false after a message.
  bool ComputeGreenAnywhere(int element, int sample);
  // Up, Down, the right button in the element, support and flexibility pictures; false when none is shown.
  bool StepGreenPicture(bool next);
  // The energy picture of the Green's function anywhere: the element products of the function
  // held with the load case's displacements.
  void ShowGreenEnergies();
  // A wheel notch on a Green's-function or flexibility picture: its scale; false when none is shown.
  bool WheelGreenScale(bool up);
  // The Green picture's scale `s` (0: fitted at the next drawing) after the load case's own are read.
  void SetGreenScale(float s);
  // The title of the Green's-function, flexibility and shape-function pictures; empty for the others.
  std::string GreenTitle() const;
  // Tab: the frame of the document's next picture view, after the last the first.
  void ActivateNextPictureView();
  // The flag that a display toggle command flips; nullptr for 339 and 340.
  bool* ToggleFlag(plat::UINT id);
  void OnToggle(plat::UINT id);
  bool ToggleChecked(plat::UINT id);
  // Writes the page number and scales, deletes the working copies, ends the program.
  void EndProgram();
  // 335 and 33077 kept in MMGRAFIKR1.
  void WriteDisplaySettings();
  // Ctrl+Left/Right in the enlarged section: a tenth of its width aside.
  bool PanSection(bool right);
  // The keys typed into the hint box: Enter becomes 0xA7, Esc empties it.
  bool PreTranslateHintKey(plat::MSG* msg);

  // The local modification (graph_view_modify.cpp).
  void OnModeKey(plat::UINT vk);
  void OnOneClickKey(bool springs);
  void OnReleaseKey(plat::UINT vk);
  void OnSpace();
  void OnStepModification(bool forward);
  // Esc in a modification: the reset, else the modes off; false when neither applies.
  bool EscapeModification();
  void ResetAll();
  bool PickNodeAt(plat::Point point);
  // Ctrl+click, or a click in the picture of the Green's function anywhere: the element and
  // station clicked become its point.
  void PickGreenPoint(plat::Point point);
  bool PickElementAt(plat::Point point);
  void AddPickedElement(int e);
  // The run of the picked elements (or nodes only) for the current step.
  // False (the message shown) when the run gave no result.
  bool ComputeModified();
  void SaveStep(int s);
  // A pick at a step before the last begins a new branch there (at step 1 when the stored frame
  // is shown): the later steps end. Returns the step and the number of steps before.
  std::pair<int, int> BranchAtShownStep();
  // After the branch's run: the later steps' copies go, or on failure the counts come back.
  void EndBranch(std::pair<int, int> before, bool computed);
  // The step whose copies hold the modified frame while Space shows the stored one.
  int ParkedStep() const;
  // After a release: its step's displacements and point loads kept under the next release step.
  void SaveReleaseStep();
  // Left, Right through the release steps.
  void StepReleases(bool forward);
  void LoadStep(int s);
  void SyncPicks();
  // The rubber band's outline in XOR from the drag's start to `to` on the window.
  void InvertBand(plat::Point to);
  // The held label's outline in XOR moved by the mouse from the drag's start to `to`.
  WorldPoint InvertLabel(plat::Point to);
  bool GrabLabel(plat::Point point);
  void DropLabel(plat::Point point);
  // Status pane 2: the first text that applies of the modes and the only-x/y switches.
  void ShowModeStatus();
  std::string ModificationLine() const;
  // The box of a few pixels around a client point, in world units.
  WorldBox PickBox(plat::Point point);
  // The request mapped on the client area as the screen shows it.
  void MapOnClient();

  ViewerSession& session_;
  ModificationModes modes_;
  MouseDrag drag_;
  common::PointLoadTable forces_fplus_;
  PictureControls controls_;
  std::unique_ptr<plat::Edit> hint_;
  ModeValues mode_values_;
  GreenPictureState green_;
  bool print_run_ = false;
  int print_run_first_ = 0;  // the load case the run started at
  // The picture (1 displacements .. 4 shear forces) and field last fitted during a modification.
  struct FittedField {
    int picture = -1;
    std::vector<double> field;
  };
  FittedField fitted_modification_;
};


}  // namespace revuzavi
