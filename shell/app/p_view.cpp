#include "shell/app/p_view.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/dialogs/manual.h"
#include "common/rotated_font.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/menu.h"
#include "platform/message_box.h"
#include "platform/print/picture.h"
#include "platform/print/printer_dc.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"
#include "shell/programs/start_graphics.h"
#include "shell/texts/dia_texte.h"
#include "shell/view/frame_picture.h"
#include "shell/view/view_actions.h"

namespace quentaris {
namespace {

constexpr const char* kManualDocument = "QUENTARIS.PDF";

// Shows the data-path advice once the paint is over.
constexpr plat::UINT kShowAdviceMessage = plat::WM_USER + 346;

std::string WindowTitle(const ShellState& state) { return " Position " + state.position_name; }

}  // namespace

CPView::CPView(ShellState& state) : state_(state) {
  for (plat::UINT id : {plat::ID_FILE_PRINT, plat::ID_FILE_PRINT_DIRECT, plat::ID_FILE_PRINT_PREVIEW}) {
    MapCommand(id, [this, id] { OnPrintCommand(id); });
  }
  MapCommand(plat::ID_HELP, [] { (void)common::OpenManual(kManualDocument); });
}

CPView::~CPView() {
  if (texts_) texts_->DestroyWindow();
}

int CPView::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::View::OnCreate(create) == -1) return -1;
  DragAcceptFiles(true);
  return 0;
}

void CPView::DrawPicture(plat::Dc& dc, const plat::Rect& client) {
  dc.SetBkMode(plat::TRANSPARENT);
  FramePictureOptions options;
  options.room = common::PictureRoomOf(dc, client);
  options.pen_width = state_.pen_width;
  options.picture_factor = state_.picture_factor;
  const double text_factor = state_.print_scales.block.text_scale();
  options.text_size = static_cast<int>(std::lround(80.0 * (std::isfinite(text_factor) ? text_factor : 1.0)));
  if (!state_.picture_on) return;
  const std::optional<plat::Mapping> mapping = DrawFramePicture(state_.frame, options, dc);
  if (!dc.IsPrinting()) screen_mapping_ = mapping;
}

void CPView::OnDraw(plat::Dc& dc) {
  plat::Rect client;
  GetClientRect(&client);
  DrawPicture(dc, client);
  if (state_.picture_on && state_.frame.params_read && state_.has_position()) {
    (void)WriteGraphicsMarker(state_.position());
  }
  if (plat::FrameWnd* frame = GetParentFrame()) frame->SetWindowText(WindowTitle(state_));
  if (dc.IsPrinting()) {
    dc.SelectFont(common::CreateRotatedFont(dc, 80, 0));
    dc.SetTextAlign(plat::TA_LEFT | plat::TA_TOP);
    dc.TextOut(static_cast<int>(dc.GetDeviceCaps(plat::HORZRES) * 0.05),
               static_cast<int>(dc.GetDeviceCaps(plat::VERTRES) * 0.95), WindowTitle(state_));
  }
  if (advice_pending_ && state_.data_path_is_settings_folder) {
    advice_pending_ = false;
    PostMessage(kShowAdviceMessage);
  }
}

void CPView::ShowAdvice() {
  char text[2048];
  std::snprintf(text, sizeof text, kDataPathAdvice, state_.data_path.c_str());
  plat::MessageBox(text);
}

plat::Bitmap CPView::ClientPicture() {
  plat::Rect client;
  GetClientRect(&client);
  return plat::RenderPicture(std::max(client.right - client.left, 1), std::max(client.bottom - client.top, 1),
                             [&](plat::Dc& dc) { DrawPicture(dc, client); });
}

void CPView::OnPrintCommand(plat::UINT id) {
  plat::SetClipboardImage(ClientPicture());
  if (id == plat::ID_FILE_PRINT) OnFilePrint();
  if (id == plat::ID_FILE_PRINT_DIRECT) OnFilePrintDirect();
  if (id == plat::ID_FILE_PRINT_PREVIEW) OnFilePrintPreview();
}

void CPView::OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) {
  const FrameWindow window = FrameWorldWindow(state_.frame.extents, 1.0);
  const bool wide = std::fabs(window.right - window.left) > std::fabs(window.top - window.bottom);
  const int orientation = wide ? plat::DMORIENT_LANDSCAPE : plat::DMORIENT_PORTRAIT;
  if (dc.GetOrientation() != orientation) dc.SetOrientation(orientation);
  plat::View::OnPrepareDC(dc, info);
}

void CPView::PostToMain(plat::UINT message) {
  plat::Window* main = GetParentFrame();
  if (!main) main = GetParent();
  if (main) main->PostMessage(message);
}

void CPView::OnStepLoadCase(bool up) {
  if (common::Result read = StepLoadCase(state_, up); !read) plat::MessageBox(read.text());
  state_.picture_on = true;
  Invalidate();
  PostToMain(kMouseCoordinatesMessage);
}

void CPView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  switch (static_cast<int>(vk)) {
    case plat::VK_ESCAPE:
      plat::PostQuitMessage(1);
      return;
    case plat::VK_SPACE:
      state_.picture_on = !state_.picture_on;
      Invalidate();
      return;
    case plat::VK_UP:
    case plat::VK_DOWN:
      OnStepLoadCase(vk == plat::VK_UP);
      return;
    default:
      plat::View::OnKeyDown(vk, repeat, flags);
  }
}

bool CPView::OnMouseWheel(plat::UINT flags, short delta, plat::Point) {
  const WheelKeys keys{plat::GetKeyState(plat::VK_MENU) < 0, (flags & plat::MK_CONTROL) != 0,
                       (flags & plat::MK_SHIFT) != 0};
  if (!ApplyWheelStep(state_, delta, keys)) {
    plat::MessageBox("The settings " + state_.SettingsWritePath("PSCALA") + " could not be written.");
  }
  Invalidate();
  return true;
}

void CPView::OnMouseMove(plat::UINT flags, plat::Point point) {
  if (screen_mapping_) {
    const plat::PointD logical =
        screen_mapping_->ToLogical(plat::PointD{static_cast<double>(point.x), static_cast<double>(point.y)});
    const double u = state_.frame.units_per_metre;
    mouse_world_ = plat::PointD{logical.x / u, logical.y / u};
    PostToMain(kMouseCoordinatesMessage);
  } else {
    PostToMain(kNoPictureYetMessage);
  }
  plat::View::OnMouseMove(flags, point);
}

void CPView::OnRButtonDown(plat::UINT, plat::Point) {
  if (state_.picture_on) {
    (void)StartGraphics(state_);
    return;
  }
  state_.picture_on = true;
  Invalidate();
}

void CPView::OnContextMenu(plat::Window*, plat::Point point) {
  plat::Menu menu = plat::Menu::Popup();
  menu.AppendMenu(plat::MF_STRING, plat::ID_EDIT_CUT, "Cu&t");
  menu.AppendMenu(plat::MF_STRING, plat::ID_EDIT_COPY, "&Copy");
  menu.TrackPopupMenu(plat::TPM_LEFTALIGN, point.x, point.y, this);
}

void CPView::OnDropFiles(const std::vector<std::string>& files, plat::Point) {
  const std::optional<std::string> echo = FirstEchoFile(files);
  if (!echo) return;
  state_.start_file = *echo;
  PostToMain(kEchoDroppedMessage);
}

void CPView::OnClose() {
  plat::MessageBox("No frame", "Attention");
  plat::View::OnClose();
}

plat::LRESULT CPView::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == kShowAdviceMessage) {
    ShowAdvice();
    return 0;
  }
  if (message == kShowTextsMessage) {
    // A fresh list each time.
    if (texts_) texts_->DestroyWindow();
    texts_ = std::make_unique<CDiaTexte>(state_, this);
    if (!texts_->Create(this)) texts_.reset();
    return 0;
  }
  if (message == kCloseTextsMessage) {
    if (texts_) texts_->DestroyWindow();
    texts_.reset();
    return 0;
  }
  return plat::View::WindowProc(message, wParam, lParam);
}

}  // namespace quentaris
