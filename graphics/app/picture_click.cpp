#include "graphics/app/picture_click.h"

#include "graphics/app/client_mapping.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/picture/picking.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"

namespace revuzavi {
WorldPoint ClientToWorld(const ViewerSession& session, plat::Point client) {
  return ClientToWorld(session.state, session.view, session.request, client);
}

plat::Point WorldToClient(const ViewerSession& session, WorldPoint world) {
  return WorldToClient(session.state, session.view, session.request, world);
}

int ElementAtClient(const ViewerSession& session, plat::Point client) {
  if (session.request.client_width <= 0 || session.request.client_height <= 0) return 0;
  const WorldBox box = PickBoxAt(session.state, session.view, session.request, client);
  return PickElementsInBox(session.state, box.x1, box.y1, box.x2, box.y2).element;
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
