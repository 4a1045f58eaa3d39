#include "graphics/app/func_view.h"

#include <algorithm>

#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/report.h"
#include "graphics/app/side_window.h"
#include "graphics/app/view_export.h"
#include "graphics/compose/page_heads.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr int kLargestLineWidth = 10;
constexpr double kZoomStep = 1.1;
constexpr int kPageHeadFont = 80;  // times the font factor

// The plot's room on the screen: 0.9 of the client, centred.
plat::Rect ScreenArea(const plat::Rect& client) {
  const int w = client.Width(), h = client.Height();
  return plat::Rect{w / 20, h / 20, w - w / 20, h - h / 20};
}

// The plot's room on a page: the printable size times the print scale, below the head and the legend.
plat::Rect PageArea(const plat::Dc& dc, double print_scale) {
  const double f = print_scale > 0.0 && print_scale <= 1.0 ? print_scale : 1.0;
  const int w = static_cast<int>(dc.GetDeviceCaps(plat::HORZRES) * f);
  const int h = static_cast<int>(dc.GetDeviceCaps(plat::VERTRES) * f);
  return plat::Rect{w / 12, h / 6, w - w / 12, h - h / 12};
}

}  // namespace

CFuncView::CFuncView(ViewerSession& session) : session_(session), choice_(session.next_plot) {
  MapCommand(ids::kNextLoadCase, [this] { OnStepLoadCase(kStepForward, false); });
  MapCommand(ids::kPreviousLoadCase, [this] { OnStepLoadCase(kStepBack, false); });
  MapCommand(ids::kChooseLoadCase, [this] { OnChooseLoadCase(); });
  MapCommand(ids::kExport, [this] { OnExport(); });
  MapCommand(plat::ID_FILE_PRINT, [this] { OnFilePrint(); });
  MapCommand(plat::ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  MapCommand(plat::ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CGRAPHView* CFuncView::PictureView() const {
  auto* main = plat::WinApp::Get() ? dynamic_cast<CMainFrame*>(plat::WinApp::Get()->GetMainWnd()) : nullptr;
  plat::MDIChildWnd* frame = main != nullptr ? main->PictureFrame() : nullptr;
  return frame != nullptr ? dynamic_cast<CGRAPHView*>(frame->GetActiveView()) : nullptr;
}

void CFuncView::OnInitialUpdate() {
  PlaceBesidePicture(GetParentFrame());
  Reload();
  plat::View::OnInitialUpdate();
}

void CFuncView::OnUpdate(plat::View* sender, plat::LPARAM hint) {
  if (hint == kLoadCaseChanged) Reload();
  plat::View::OnUpdate(sender, hint);
}

void CFuncView::Reload() {
  const CGRAPHView* picture = PictureView();
  const bool computed = picture != nullptr && picture->controls().displacement_option;
  plot_ = ReadElementPlot(session_.state, choice_, computed);
  ShowTitle();
}

void CFuncView::ShowTitle() {
  if (plat::FrameWnd* frame = GetParentFrame()) {
    frame->SetTitle(plot_.title);
    frame->SetWindowText(plot_.title);
  }
}

ElementPlotOptions CFuncView::OptionsFor(const plat::Rect& area) const {
  ElementPlotOptions o;
  o.area = area;
  o.line_width = std::clamp(session_.state.line_width, 0, kLargestLineWidth);  // the frame's may be wider
  o.text_scale = session_.font_scale;
  o.small_value = session_.state.params.tolerance();
  o.zoom = zoom_;
  return o;
}

void CFuncView::OnDraw(plat::Dc& dc) {
  plat::Rect client;
  GetClientRect(&client);
  dc.SetBkMode(plat::TRANSPARENT);
  dc.TextOut(client.Width() / 40, client.Height() / 100, plot_.title);
  DrawElementPlot(plot_, OptionsFor(ScreenArea(client)), dc);
}

void CFuncView::AfterPictureSwitch(CGRAPHView& picture) {
  picture.UpdateWindow();  // its curve files of the load case shown are written first
  if (plat::Document* document = GetDocument()) document->UpdateAllViews(&picture, kLoadCaseChanged);
  if (GetDocument() == nullptr || GetDocument() != picture.GetDocument()) {
    Reload();
    Invalidate();
  }
}

void CFuncView::OnStepLoadCase(int code, bool tell_main) {
  CGRAPHView* picture = PictureView();
  if (picture == nullptr) return;
  picture->OnStepLoadCase(code);
  AfterPictureSwitch(*picture);
  if (tell_main) PostToMainWindow(ids::kViewNotice);
}

void CFuncView::OnChooseLoadCase() {
  CGRAPHView* picture = PictureView();
  if (picture == nullptr) return;
  picture->OnChooseLoadCase();
  AfterPictureSwitch(*picture);
}

void CFuncView::OnExport() {
  std::string stored;
  const common::Result exported =
      ExportViewPicture(session_.state, *this, [this](plat::Dc& dc) { OnDraw(dc); }, stored);
  if (!exported.ok()) {
    ShowFailure(exported);
    return;
  }
  plat::MessageBox("Picture copied to clipboard and stored in file " + session_.state.position.FolderFile(stored),
                   "OK", plat::MB_OK);
}

void CFuncView::Close() {
  if (plat::FrameWnd* frame = GetParentFrame()) frame->PostMessage(plat::WM_CLOSE);
}

void CFuncView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  switch (vk) {
    case plat::VK_ESCAPE: Close(); return;
    case plat::VK_UP: OnStepLoadCase(kStepForward, true); return;
    case plat::VK_DOWN: OnStepLoadCase(kStepBack, true); return;
    case plat::VK_TAB:
      if (CGRAPHView* picture = PictureView(); picture != nullptr && picture->GetParentFrame() != nullptr) {
        picture->GetParentFrame()->ActivateFrame();
      }
      return;
    case 'C': OnExport(); return;
    case 'P': OnFilePrint(); return;
    default: plat::View::OnKeyDown(vk, repeat, flags);
  }
}

bool CFuncView::OnMouseWheel(plat::UINT flags, short delta, plat::Point point) {
  (void)flags;
  (void)point;
  if (delta == 0) return true;
  const bool up = delta > 0;
  if (plat::GetKeyState(plat::VK_MENU) < 0) {
    int& width = session_.state.line_width;
    width = std::clamp(width + (up ? 1 : -1), 0, kLargestLineWidth);
  } else {
    zoom_ = up ? zoom_ * kZoomStep : zoom_ / kZoomStep;
  }
  Invalidate();
  return true;
}

void CFuncView::OnSetFocus(plat::Window* old) {
  plat::View::OnSetFocus(old);
  Reload();  // the picture may have written its curves anew meanwhile
  Invalidate();
  PostToMainWindow(ids::kViewNotice);
}

void CFuncView::OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) {
  if (button == plat::XBUTTON1) {
    Close();
    return;
  }
  plat::View::OnXButtonDown(flags, button, point);
}

void CFuncView::OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) {
  plat::View::OnPrepareDC(dc, info);
  if (session_.printer_setup_chosen) return;
  const PlotWorld world = ElementPlotWorld(plot_, OptionsFor(PageArea(dc, session_.state.second_print_factor)));
  const bool wide = world.x2 - world.x1 > world.y2 - world.y1;
  dc.SetOrientation(wide ? plat::DMORIENT_LANDSCAPE : plat::DMORIENT_PORTRAIT);
}

void CFuncView::OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) {
  (void)info;
  const int page = session_.state.page_number;
  if (session_.state.page_head_style == 2) {
    DrawPageHead(session_.state, session_.view, dc, static_cast<int>(kPageHeadFont * session_.font_scale), page,
                 TodayText());
  } else {
    DrawStyledPageHead(session_.state, session_.view, dc, page);
  }
  const plat::Rect area = PageArea(dc, session_.state.second_print_factor);
  dc.SetBkMode(plat::TRANSPARENT);
  dc.TextOut(area.left, area.top - dc.GetDeviceCaps(plat::VERTRES) / 15, plot_.title);  // the legend
  DrawElementPlot(plot_, OptionsFor(area), dc);
}

void CFuncView::OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) {
  plat::View::OnEndPrinting(dc, info);
  if (!info.preview) ++session_.state.page_number;
}

}  // namespace revuzavi
