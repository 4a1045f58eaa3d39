#include "graphics/app/picture_click.h"

#include <algorithm>
#include <cmath>

#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/picture/picking.h"
#include "graphics/picture/world.h"
#include "platform/dc/recording_dc.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"

namespace revuzavi {
namespace {

constexpr double kPickPixels = 4.0;

// The logical point of a device point under the frame world of the last drawing.
struct WorldProbe {
  explicit WorldProbe(const ViewerSession& s) : canvas{s.state, s.view, picture, dc} {
    const PictureRequest& r = s.request;
    picture.worlds = s.picture.worlds;
    SetPlotWorld(canvas, r.plot_box_mode, r.plot_box, r.client_width, r.client_height, r.margins);
  }
  WorldPoint At(double x, double y) const {
    const plat::PointD l = dc.DeviceToLogical(plat::PointD{x, y});
    const double scale = std::max(1, canvas.scale());
    return WorldPoint{static_cast<float>(l.x / scale), static_cast<float>(l.y / scale)};
  }
  plat::Point ClientOf(WorldPoint w) const {
    const double scale = std::max(1, canvas.scale());
    const plat::PointD d = dc.LogicalToDevice(plat::PointD{w.x * scale, w.y * scale});
    return plat::Point{static_cast<int>(std::lround(d.x)), static_cast<int>(std::lround(d.y))};
  }
  PictureState picture;
  plat::RecordingDc dc;
  Canvas canvas;
};

}  // namespace

WorldPoint ClientToWorld(const ViewerSession& session, plat::Point client) {
  return WorldProbe(session).At(client.x, client.y);
}

plat::Point WorldToClient(const ViewerSession& session, WorldPoint world) {
  return WorldProbe(session).ClientOf(world);
}

int ElementAtClient(const ViewerSession& session, plat::Point client) {
  if (session.request.client_width <= 0 || session.request.client_height <= 0) return 0;
  const WorldProbe probe(session);
  const WorldPoint a = probe.At(client.x - kPickPixels, client.y - kPickPixels);
  const WorldPoint b = probe.At(client.x + kPickPixels, client.y + kPickPixels);
  return PickElementsInBox(session.state, a.x, a.y, b.x, b.y).element;
}

PlotFunction PlotFunctionOf(const PictureRequest& r) {
  if (r.deflection) return PlotFunction::kDeflection;
  if (r.normal_forces) return PlotFunction::kNormalForce;
  if (r.moments) return PlotFunction::kMoment;
  if (r.shear_forces) return PlotFunction::kShear;
  return PlotFunction::kNone;
}

bool CGRAPHView::PostElementPlot(plat::Point client) {
  const PlotFunction function = PlotFunctionOf(session_.request);
  if (function == PlotFunction::kNone || !session_.request.nodal_loads) return false;
  const int element = ElementAtClient(session_, client);
  if (element == 0) return false;
  plat::WinApp* app = plat::WinApp::Get();
  if (app == nullptr || app->GetMainWnd() == nullptr) return false;
  return app->GetMainWnd()->PostMessage(ids::kElementPlot, static_cast<plat::WPARAM>(element),
                                        static_cast<plat::LPARAM>(function));
}

}  // namespace revuzavi
