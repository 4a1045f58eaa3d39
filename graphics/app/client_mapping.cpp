#include "graphics/app/client_mapping.h"

#include <cmath>

#include "graphics/picture/canvas.h"
#include "graphics/picture/world.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

// A device context mapped as the frame picture of the request maps its screen.
struct FrameMapping {
  FrameMapping(const ViewerState& state, const ViewState& view, const PictureRequest& request) : plain(view) {
    plain.plotter = nullptr;
    Canvas c{state, plain, picture, dc};
    SetPlotWorld(c, request.plot_box_mode, request.plot_box, request.client_width, request.client_height,
                 request.margins);
  }
  ViewState plain;
  PictureState picture;
  plat::RecordingDc dc;
};

double Scale(const ViewerState& state) { return state.drawing_scale > 0 ? state.drawing_scale : 1; }

}  // namespace

WorldPoint ClientToWorld(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                         plat::Point client) {
  const FrameMapping m(state, view, request);
  const plat::PointD logical = m.dc.DeviceToLogical(plat::PointD{double(client.x), double(client.y)});
  return WorldPoint{static_cast<float>(logical.x / Scale(state)), static_cast<float>(logical.y / Scale(state))};
}

plat::Point WorldToClient(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                          WorldPoint world) {
  const FrameMapping m(state, view, request);
  const plat::PointD device = m.dc.LogicalToDevice(plat::PointD{world.x * Scale(state), world.y * Scale(state)});
  return plat::Point{static_cast<int>(std::lround(device.x)), static_cast<int>(std::lround(device.y))};
}

}  // namespace revuzavi
