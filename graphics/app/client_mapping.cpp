#include "graphics/app/client_mapping.h"

#include <cmath>

#include "graphics/picture/canvas.h"
#include "graphics/picture/world.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

// A device context mapped as the frame picture of the request maps its screen.
struct FrameMapping {
  FrameMapping(const ViewerState& state, const ViewState& view, const PictureRequest& request) {
    MapFrameOn(dc, state, view, request);
  }
  plat::RecordingDc dc;
};

double Scale(const ViewerState& state) { return state.drawing_scale > 0 ? state.drawing_scale : 1; }

}  // namespace

void MapFrameOn(plat::Dc& dc, const ViewerState& state, const ViewState& view, const PictureRequest& request) {
  ViewState plain = view;
  plain.plotter = nullptr;  // no plotter text from a mapping
  PictureState picture;
  Canvas c{state, plain, picture, dc};
  SetPlotWorld(c, request.plot_box_mode, request.plot_box, request.client_width, request.client_height,
               request.margins);
}

void SizeRequest(PictureRequest& request, int width, int height, double factor, bool printing) {
  request.client_width = width;
  request.client_height = height;
  // The general factor shrinks the picture inside wider margins.
  const int mx = static_cast<int>(width / 20 + width * (1.0 - 1.0 / factor) / 2.0);
  const int my = static_cast<int>(height / (printing ? 6 : 20) + height * (1.0 - 1.0 / factor) / 2.0);
  request.margins = PictureMargins{mx, my, mx + width / 20, my + height / 20};
}

WorldPoint ClientToWorld(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                         plat::Point client) {
  const FrameMapping m(state, view, request);
  const plat::PointD logical = m.dc.DeviceToLogical(plat::PointD{double(client.x), double(client.y)});
  return WorldPoint{static_cast<float>(logical.x / Scale(state)), static_cast<float>(logical.y / Scale(state))};
}

WorldBox PickBoxAt(const ViewerState& state, const ViewState& view, const PictureRequest& request, plat::Point client) {
  const WorldPoint a = ClientToWorld(state, view, request, {client.x - kPickPixels, client.y - kPickPixels});
  const WorldPoint b = ClientToWorld(state, view, request, {client.x + kPickPixels, client.y + kPickPixels});
  return WorldBox{a.x, b.x, a.y, b.y};
}

plat::Point WorldToClient(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                          WorldPoint world) {
  const FrameMapping m(state, view, request);
  const plat::PointD device = m.dc.LogicalToDevice(plat::PointD{world.x * Scale(state), world.y * Scale(state)});
  return plat::Point{static_cast<int>(std::lround(device.x)), static_cast<int>(std::lround(device.y))};
}

}  // namespace revuzavi
