#pragma once
// The element plot window: one function (deflection, normal force, moment or
// shear force) along one element in the load case shown, with its own
// load-case steps, line width and value zoom on the wheel, printing with the
// page heads, and the export to the clipboard and the numbered picture file.
#include "graphics/app/viewer_session.h"
#include "graphics/plot/element_plot_drawing.h"
#include "platform/frames/view.h"

namespace revuzavi {

class CGRAPHView;

class CFuncView : public plat::View {
 public:
  // Shows the session's next plot choice.
  explicit CFuncView(ViewerSession& session);

  const ElementPlotChoice& choice() const { return choice_; }
  const ElementPlot& plot() const { return plot_; }
  double zoom() const { return zoom_; }
  // The plot as the screen shows it, on any device context.
  void DrawOn(plat::Dc& dc) { OnDraw(dc); }

  // 32813, 32814 and Up, Down: the picture view steps the load case and
  // repaints first (its curve files are then the load case's), then every
  // view follows; Up and Down also tell the main frame (1037).
  void OnStepLoadCase(int code, bool tell_main);
  // 32801: the load case chosen in CDiaLF.
  void OnChooseLoadCase();
  // "C" and 33086: the plot to the clipboard and G<n>.jpg, reported in a box.
  void OnExport();

  // The hint of UpdateAllViews after a change of the load case.
  static constexpr plat::LPARAM kLoadCaseChanged = 1;

 protected:
  void OnInitialUpdate() override;
  void OnUpdate(plat::View* sender, plat::LPARAM hint) override;
  void OnDraw(plat::Dc& dc) override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point point) override;
  void OnSetFocus(plat::Window* old) override;
  void OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) override;

 private:
  CGRAPHView* PictureView() const;
  // The values read anew for the load case shown; the caption follows.
  void Reload();
  void AfterPictureSwitch(CGRAPHView& picture);
  void ShowTitle();
  void Close();
  ElementPlotOptions OptionsFor(const plat::Rect& area) const;

  ViewerSession& session_;
  ElementPlotChoice choice_;
  ElementPlot plot_;
  double zoom_ = 1.0;
};

}  // namespace revuzavi
