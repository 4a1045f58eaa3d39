#include "graphics/app/picture_click.h"

#include "graphics/app/client_mapping.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/picture/picking.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"

namespace revuzavi {
namespace {

constexpr int kPickPixels = 4;

}  // namespace

WorldPoint ClientToWorld(const ViewerSession& session, plat::Point client) {
  return ClientToWorld(session.state, session.view, session.request, client);
}

plat::Point WorldToClient(const ViewerSession& session, WorldPoint world) {
  return WorldToClient(session.state, session.view, session.request, world);
}

int ElementAtClient(const ViewerSession& session, plat::Point client) {
  if (session.request.client_width <= 0 || session.request.client_height <= 0) return 0;
  const WorldPoint a = ClientToWorld(session, plat::Point{client.x - kPickPixels, client.y - kPickPixels});
  const WorldPoint b = ClientToWorld(session, plat::Point{client.x + kPickPixels, client.y + kPickPixels});
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
