#include "graphics/app/view_export.h"

#include <algorithm>

#include "graphics/compose/export_picture.h"
#include "platform/dc/painter_dc.h"
#include "platform/frames/frame_wnd.h"

namespace revuzavi {

common::Result ExportViewPicture(ViewerState& state, const plat::View& view,
                                 const std::function<void(plat::Dc&)>& draw, std::string& stored) {
  plat::Rect client;
  view.GetClientRect(&client);
  plat::Bitmap picture(std::max(1, client.Width()), std::max(1, client.Height()));
  {
    plat::PainterDc dc(picture);
    draw(dc);
  }
  const plat::FrameWnd* frame = view.GetParentFrame();
  return ExportPicture(state, picture, frame != nullptr ? frame->GetWindowText() : std::string(), stored);
}

}  // namespace revuzavi
