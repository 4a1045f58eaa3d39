#pragma once
// The frame of every document window: sized by the screen (narrow for the one
// frame opened while the session's narrowing mark is set); Font (32788).
#include "graphics/app/viewer_session.h"
#include "platform/frames/mdi_frame.h"

namespace revuzavi {

// The frame size for a screen: width / 1.2 (/ 1.8 when narrow), height / 1.2.
plat::Size ChildFrameSize(int screen_width, int screen_height, bool narrow);

// Sets byte 80..87 of PSCALA in the settings folder to the font scale,
// keeping the file's other bytes; a file that cannot be written is named.
common::Result StoreFontScale(const common::SettingsContext& settings, double scale);

class CChildFrame : public plat::MDIChildWnd {
 public:
  explicit CChildFrame(ViewerSession& session);

 protected:
  bool PreCreateWindow(plat::CREATESTRUCT& create) override;
  void OnUpdateFrameTitle(bool add_to_title) override;

 private:
  void OnFont();
  ViewerSession& session_;
};

}  // namespace revuzavi
