#include "graphics/app/side_window.h"

#include "platform/frames/mdi_frame.h"

namespace revuzavi {
namespace {

// The share of the main frame's client area the window covers.
constexpr double kWindowShare = 0.9333;

}  // namespace

plat::Rect BesidePictureRect(const plat::Rect& main_client) {
  return plat::Rect{0, 0, static_cast<int>(main_client.Width() * kWindowShare),
                    static_cast<int>(main_client.Height() * kWindowShare)};
}

void PlaceBesidePicture(plat::FrameWnd* frame) {
  auto* child = dynamic_cast<plat::MDIChildWnd*>(frame);
  plat::MDIFrameWnd* main = child != nullptr ? child->GetMDIFrame() : nullptr;
  if (main == nullptr || main->GetClient() == nullptr) return;
  plat::Rect client;
  main->GetClient()->GetClientRect(&client);
  child->MoveWindow(BesidePictureRect(client));
}

}  // namespace revuzavi
