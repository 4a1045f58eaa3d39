#include "graphics/compose/draw_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "graphics/compose/picture_placement.h"
#include "graphics/diagrams/deflected_shape.h"
#include "graphics/diagrams/eigenmode.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/fem/support_influence.h"
#include "graphics/loads/distributed_loads.h"
#include "graphics/loads/green_forces.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/loads/point_loads.h"
#include "graphics/loads/recomputed_reactions.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/model/read_results.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/frame.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"
#include "graphics/picture/world.h"
#include "graphics/settings/small_settings_files.h"

namespace revuzavi {
namespace {

constexpr int kDimensionFontHeight = 80;
// The window's title line above the picture, device pixels below a hundredth of its height.
constexpr int kTitleRoom = 20;
// The deflected shape's scale counts drawn metres per millimetre.
constexpr double kMillimetres = 1000.0;

void DrawNodeLabels(Canvas& c, bool details) {
  if (!(c.viewer.text_scale > 0.0f)) return;
  for (int n = 1; n <= c.viewer.nodes.count(); ++n) {
    const common::NodeRecord& node = c.viewer.nodes[n];
    char text[96];
    if (details) {
      std::snprintf(text, sizeof text, "N %i  %.2f/%.2f", n, static_cast<double>(node.x()),
                    static_cast<double>(node.z()));
    } else {
      std::snprintf(text, sizeof text, "N %i", n);
    }
    const double x = node.x() + 0.1, z = node.z() + 0.1;
    DrawRotatedText(c, 0.99 * x, 0.99 * z, text, 1, 0.0, n, 1, false);
  }
}

// "Delta T = ", "T = " or both, for an element's temperature load.
std::string TemperatureText(const common::TemperatureLoadRecord& t) {
  const double uniform = t.uniform_t(), delta = t.delta_t();
  char text[96];
  if (std::fabs(uniform) < 0.01) {
    std::snprintf(text, sizeof text, "Delta T = %.2f", delta);
  } else if (std::fabs(delta) < 0.01) {
    std::snprintf(text, sizeof text, "T = %.2lf", uniform);
  } else {
    std::snprintf(text, sizeof text, "T = %.2lf Delta T = %.2f", uniform, delta);
  }
  return text;
}

// The temperature of each loaded element above its middle.
void DrawTemperatureLabels(Canvas& c) {
  const ViewerState& v = c.viewer;
  const double rise = std::max(0.01 * (static_cast<double>(v.extents.zmax()) - v.extents.zmin()), 0.15);
  const int count = std::min(v.temperatures.count(), v.elements.count());
  for (int e = 1; e <= count; ++e) {
    if (v.temperatures[e].loaded() == 0) continue;
    const common::ElementRecord& element = v.elements[e];
    const std::string text = TemperatureText(v.temperatures[e]);
    double x = 0.5 * (static_cast<double>(element.xa()) + element.xb());
    const double z = 0.5 * (static_cast<double>(element.za()) + element.zb()) + rise;
    // Beside a steep element the text ends left of it, away from the element's
    // label on its right, instead of running across both.
    const double dx = std::fabs(static_cast<double>(element.xb()) - element.xa());
    const double dz = std::fabs(static_cast<double>(element.zb()) - element.za());
    if (dz > dx) x -= LabelWidth(c, text) + 0.5 * LabelLineHeight(c);
    DrawRotatedText(c, x, z, text, 1, 0.0, 2, 1, false);
  }
}

// Each prestressed element's axis in the prestress pen with its force.
void DrawPrestress(Canvas& c) {
  const ViewerState& v = c.viewer;
  SelectPen(c, -1);
  for (int k = 1; k <= v.prestress.count(); ++k) {
    const common::PrestressEntry& entry = v.prestress[k];
    if (entry.element() < 1 || entry.element() > v.elements.count()) continue;
    const common::ElementRecord& element = v.elements[entry.element()];
    DrawWorldLine(c, element.xa(), element.za(), element.xb(), element.zb());
  }
  SelectPen(c, 0);
  // The forces over every axis drawn.
  for (int k = 1; k <= v.prestress.count(); ++k) {
    const common::PrestressEntry& entry = v.prestress[k];
    if (entry.element() < 1 || entry.element() > v.elements.count()) continue;
    DrawPrestressLabel(c, v.elements[entry.element()], entry.force());
  }
}

// Whether the picture shows the loads of the load case.
bool LoadsShown(const PictureRequest& r) {
  return !r.energies && !r.geometry_details && !r.nodal_loads && !r.eigenmode && !r.AnyGreen() && !r.shape_function;
}

// The filled loads (self weight, line-load bands, force arrows) lie under the
// frame: its lines, supports and labels stay visible on them; their own texts
// come after all of their shapes.
void DrawFilledLoads(Canvas& c) {
  const TextsOnTop on_top(c);  // no arrow or band covers the label of another load
  const common::LoadCaseParams& p = c.viewer.load_case_params;
  if (p.gravity_flag() != 0) DrawSelfWeight(c);
  if (p.user_line_load_count() > 0) DrawLineLoads(c, true);
  if (p.point_load_count() > 0) DrawPointLoads(c);
}

// The loads drawn over the frame, or only the joints when a picture of another kind is asked for.
void DrawLoadsOrJoints(Canvas& c, const PictureRequest& r) {
  const bool loads = LoadsShown(r);
  if (loads) {
    const common::LoadCaseParams& p = c.viewer.load_case_params;
    if (p.temperature_flag() != 0) DrawTemperatureLabels(c);
    if (p.prestress_flag() != 0) DrawPrestress(c);
  }
  DrawHinges(c);
  DrawRigidJoints(c);
  if (!loads && r.geometry_details) DrawDimensions(c, kDimensionFontHeight);
}

// A scale kept from the request, else fitted by the diagram and handed back.
DiagramScale ScaleOf(float remembered) { return DiagramScale{remembered, remembered > 0.0f}; }

// The moment and shear pictures are not fitted by their diagrams: without a
// remembered scale the largest value is drawn a tenth of the frame's size off its axis.
DiagramScale FittedScale(const ViewerState& state, const ViewState& view, float remembered, bool moment) {
  if (remembered > 0.0f) return ScaleOf(remembered);
  double largest = 0.0;
  for (int e = 1; e <= state.elements.count(); ++e) {
    if (!ElementShown(state, view, e)) continue;
    const mechanics::ElementCurves curves = PictureElementCurves(state, view, e, PictureCurveSwitches{});
    const mechanics::CurveLine& line = moment ? curves.m : curves.v;
    for (int k = 1; k <= mechanics::kSamples; ++k) largest = std::max(largest, std::fabs(line(k)));
  }
  const double scale = largest > 1e-9 ? 0.1 * FrameSize(state) / largest : 1.0;
  return DiagramScale{static_cast<float>(scale), true};
}

// Drawn metres per metre of displacement: the remembered scale, else the largest
// displacement drawn as 0.1 of the frame's size.
double DisplacementScale(const ViewerState& state, PictureRequest& r) {
  if (r.scales.displacement > 0.0f) return r.scales.displacement;
  double largest = 0.0;
  for (int i = 1; i <= state.equation_count(); ++i) largest = std::max(largest, std::fabs(state.displacements[i]));
  const double scale = largest > 0.0 ? 0.1 * FrameSize(state) / largest : 1.0;
  r.scales.displacement = static_cast<float>(scale);
  return scale;
}

// The load case's deflected shape takes its scale in drawn metres per millimetre,
// the unit of its title and labels, as every diagram scale counts in the unit
// shown: the default 0.1 draws 2.5 mm 0.25 m off the axis, and the remembered
// range 0.01 .. 1000 spans the deflections of real frames. Without a scale the
// largest displacement along the elements is drawn a tenth of the frame's size
// off the axis, and the scale handed back. Drawn metres per metre of displacement.
double DeflectionScale(const Canvas& c, PictureRequest& r) {
  if (r.scales.displacement > 0.0f) return kMillimetres * r.scales.displacement;
  double largest = 0.0;
  const PictureCurveSwitches switches{true, false};
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (!ElementShown(c.viewer, c.view, e)) continue;
    const mechanics::ElementCurves curves = PictureElementCurves(c.viewer, c.view, e, switches);
    for (int k = 1; k <= mechanics::kSamples; ++k) largest = std::max({largest, std::fabs(curves.u(k)), std::fabs(curves.w(k))});
  }
  const double fitted = largest > 0.0 ? 0.1 * FrameSize(c.viewer) / largest : kMillimetres;
  r.scales.displacement = static_cast<float>(fitted / kMillimetres);
  return fitted;
}

// The switches of the views every displacement picture follows.
ShapeOptions ShapeOf(const PictureRequest& r, double scale) {
  ShapeOptions o;
  o.scale = scale;
  o.horizontal_only = r.horizontal_only;
  o.vertical_only = r.vertical_only;
  o.stacked = r.stacked_labels;
  return o;
}

// On a printed page a diagram of the load case that would run into the page
// head or off the bottom moves the picture up or down, its scale kept (the top
// margin, for this page only). On the screen the frame stays where it is, so
// that pictures compared one after the other (stored and modified frame, one
// load case and the next) stand over each other; the wheel and the fit key
// size a diagram there.
void PlaceDiagramOnPage(Canvas& c, ViewerState& state, PictureRequest& r) {
  if (!c.dc.IsPrinting() || r.plot_box_mode != 0 || r.energies || r.eigenmode || r.AnyGreen() ||
      r.shape_function) {
    return;
  }
  if (!state.results_present && !r.AnyResult()) return;
  std::optional<ZRange> reach;
  const auto join = [&reach](ZRange more) {
    if (reach) more = ZRange{std::min(reach->low, more.low), std::max(reach->high, more.high)};
    reach = more;
  };
  if (r.deflection) join(ShapeReach(c, ShapeOf(r, DeflectionScale(c, r)), true));
  if (r.normal_forces && r.scales.normal_force > 0.0f) {
    join(DiagramReach(c, &mechanics::ElementCurves::n, r.scales.normal_force));
  } else if (r.moments) {
    join(DiagramReach(c, &mechanics::ElementCurves::m, FittedScale(state, c.view, r.scales.moment, true).value));
  } else if (r.shear_forces) {
    const double s = FittedScale(state, c.view, r.scales.shear, false).value;
    join(DiagramReach(c, &mechanics::ElementCurves::v, s > state.params.tolerance() ? s : 1.0));
  }
  if (!reach) return;
  const int move = ReachMove(c, r, r.margins, *reach);
  if (move == 0) return;
  r.margins.top += move;
  SetPlotWorld(c, r.plot_box_mode, r.plot_box, r.client_width, r.client_height, r.margins);
  r.world = c.picture.worlds[kFrameWorld];
}

// The request's margins as the caller gave them, whatever the page moved.
class KeptMargins {
 public:
  explicit KeptMargins(PictureRequest& r) : r_(r), margins_(r.margins) {}
  ~KeptMargins() { r_.margins = margins_; }
  KeptMargins(const KeptMargins&) = delete;
  KeptMargins& operator=(const KeptMargins&) = delete;

 private:
  PictureRequest& r_;
  PictureMargins margins_;
};

void DrawForceDiagram(Canvas& c, ViewerState& state, PictureRequest& r) {
  DiagramOptions o;
  o.exponent_labels = r.exponent_labels;
  if (r.normal_forces) {
    DiagramScale s = ScaleOf(r.scales.normal_force);
    DrawNormalForceDiagram(c, state.elements, s, o);
    r.scales.normal_force = s.value;
  } else if (r.moments) {
    DiagramScale s = FittedScale(state, c.view, r.scales.moment, true);
    DrawMomentDiagram(c, s, o);
    r.scales.moment = s.value;
  } else if (r.shear_forces) {
    DiagramScale s = FittedScale(state, c.view, r.scales.shear, false);
    DrawShearDiagram(c, s, o);
    r.scales.shear = s.value;
  }
}

void DrawSupportReactionsOf(Canvas& c, ViewerState& state) {
  const auto reactions = ReactionsToDraw(state, c.view, false);
  if (reactions.ok()) DrawSupportReactions(c, reactions.value(), ReactionOptions{});
}

// The node carrying equation d gets its mark, arrow or arc and the number.
void DrawDofMarker(Canvas& c, int d) {
  const int node = NodeOfEquation(c.viewer, d);
  if (node > 0) DrawUnitDisplacementMarker(c, node, d, 0.5 / 0.3, d + 1);
}

// Step 11: the Green and influence pictures; true when one was drawn.
bool DrawGreenPictures(Canvas& c, ViewerState& state, PictureMemory& memory, PictureRequest& r) {
  const int n = state.equation_count();
  if (r.shape_function) {  // a unit displacement: its largest value a tenth of the frame's size
    state.foreign_field = true;
    DeflectionOptions o;
    o.shape.scale = 0.1 * FrameSize(state);
    o.shape.curve_files = false;
    o.without_loads = true;
    o.unit_dof = r.shape_dof;
    c.picture.labels.Clear();
    DrawDeflectedShape(c, o);
    DrawDofMarker(c, r.shape_dof);
    return true;
  }
  if (!r.influence && !r.green_family_1 && !r.green_family_2 && !r.support_green) return false;
  // Displacements of the load case hold no column of INVERSE: the one drawn is read again.
  if (!state.foreign_field) memory.influence_column = memory.support_column = 0;
  state.foreign_field = true;  // the displacements hold the function drawn
  GreenCurveOptions green;
  green.shape = ShapeOf(r, DisplacementScale(state, r));
  green.exponent_labels = r.exponent_labels;
  // The functions of N, V and M are labelled with their influence values, the others in millimetres.
  if (c.view.green.kind >= GreenPoint::kNormalForce) green.label_unit = 0;
  if (r.influence) {
    if (memory.influence_column != r.influence_column) {
      if (!ReadInverseColumn(state, r.influence_column, n, state.displacements).ok()) return true;
      memory.influence_column = r.influence_column;
      memory.support_column = 0;
      r.scales.displacement = 0.0f;
      green.shape.scale = DisplacementScale(state, r);
    }
    c.picture.labels.Clear();
    DeflectionOptions o;
    o.shape = ShapeOf(r, green.shape.scale);
    o.shape.curve_files = false;
    o.exponent_labels = r.exponent_labels;
    o.without_loads = true;
    o.unit_dof = r.influence_column;
    DrawDeflectedShape(c, o);
    return true;
  }
  if (r.green_family_1) {  // the unit action at the Green point
    green.at_point = true;
    DrawGreenFunctionCurve(c, green);
    DrawGreenReaction(c, true);
    return true;
  }
  if (r.green_family_2) {
    DrawGreenForces(c, green);
    return true;
  }
  if (r.support_green) {
    if (r.support_dof_index < 1 || r.support_dof_index > static_cast<int>(state.support_dofs.size())) return true;
    const SupportDof& entry = state.support_dofs[static_cast<std::size_t>(r.support_dof_index - 1)];
    if (memory.support_column != entry.dof) {
      if (!ReadInverseColumn(state, entry.dof, n, state.displacements).ok()) return true;
      memory.support_column = entry.dof;
      memory.influence_column = 0;
      // The support's foot moved by 1: its spring pushes the node with c K^-1 e_i.
      if (const double c = SupportFieldFactor(state, entry); c > 0.0) {
        for (int i = 1; i <= n; ++i) state.displacements[i] *= c;
      }
    }
    SupportShapeOptions o;
    o.shape = ShapeOf(r, r.scales.displacement > 0.0f ? r.scales.displacement : 1.0);
    o.arrows = r.green_arrows;
    o.exponent_labels = r.exponent_labels;
    o.support_index = r.support_dof_index;
    DrawSupportDofShape(c, o);
    return true;
  }
  return false;
}

}  // namespace

void RefreshRememberedScales(const ViewerState& state, PictureMemory& memory, PictureRequest& request) {
  if (request.scales_given) return;
  if (memory.scales_load_case == state.current_load_case && request.scales_read) return;
  const auto f = ReadRememberedScales(state, state.current_load_case);
  memory.scales_load_case = state.current_load_case;
  request.scales_read = f.has_value();
  if (!f) return;
  PictureScales& s = request.scales;
  s.moment = (*f)[0];
  s.shear = (*f)[1];
  s.normal_force = (*f)[2];
  s.fourth = (*f)[3];
  for (std::size_t k = 0; k < 4; ++k) s.further[k] = (*f)[4 + k];
  s.displacement = (*f)[8];
}

int DrawPicture(ViewerState& state, ViewState& view, PictureState& picture, PictureMemory& memory,
                PictureRequest& request, plat::Dc& dc) {
  if (state.saving) return 0;
  picture.StartPicture();
  Canvas c{state, view, picture, dc};
  SelectPen(c, 0);
  RefreshRememberedScales(state, memory, request);
  // A load case without remembered scales gets its deflected shape fitted, not
  // the scale another picture (a Green's function's, say) left in the request.
  if (request.deflection && !request.scales_given && !request.scales_read) request.scales.displacement = 0.0f;

  const KeptMargins kept(request);
  SetPlotWorld(c, request.plot_box_mode, request.plot_box, request.client_width, request.client_height,
               request.margins);
  request.world = picture.worlds[kFrameWorld];
  PlaceDiagramOnPage(c, state, request);
  // The texts keep inside the window, below its title line, or inside the page, and off each other.
  // On the screen a remembered scale that would not read is fitted (the request gets the fitted
  // one); a page keeps the screen's scales.
  picture.window = dc.IsPrinting() ? plat::Rect{0, 0, dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES)}
                                   : plat::Rect{0, request.client_height / 100 + kTitleRoom, request.client_width,
                                                request.client_height};
  picture.fit.active = !request.scales_given && !dc.IsPrinting();
  picture.fit.force = request.fit_scales;
  picture.fit.to_bound = request.wheeled;
  request.fit_scales = request.wheeled = false;

  // A Green picture may draw the picked elements as the others.
  std::vector<int> picked;
  const bool unpick = request.hide_picks && (request.green_family_1 || request.green_family_2);
  if (unpick) picked.swap(view.picked_elements);

  if (LoadsShown(request)) DrawFilledLoads(c);
  if (!request.energies_off) ReadEnergies(state);
  FrameOptions frame;
  frame.details = request.geometry_details;
  frame.labels = request.element_labels;
  frame.energies = request.energies || view.element_energy_display;  // the energy picture names each element's
  frame.grey = request.deflection && request.grey_frame;
  DrawFrame(c, frame);
  if (unpick) view.picked_elements.swap(picked);

  if (request.energies) {
    state.energies[0] = 0.0f;
    DiagramScale s = ScaleOf(request.scales.fourth);
    DiagramOptions o;
    o.scale_fixed = s.fitted;
    DrawEnergyBand(c, state.elements, state.energies, s, o);
    if (picture.fit.fitted) request.scales.fourth = s.value;
    return 0;
  }
  if (request.node_labels) DrawNodeLabels(c, request.geometry_details);
  DrawLoadsOrJoints(c, request);

  if (DrawGreenPictures(c, state, memory, request)) {
    // the Green pictures end with the marker; the shape functions keep their own scale
    if (picture.fit.fitted && !request.shape_function) request.scales.displacement = static_cast<float>(picture.fit.scale);
  } else if (request.eigenmode) {
    DeflectionOptions o;
    o.shape = ShapeOf(request, DisplacementScale(state, request));
    o.exponent_labels = request.exponent_labels;
    DrawEigenmode(c, o);
    if (picture.fit.fitted) request.scales.displacement = static_cast<float>(picture.fit.scale);
    return 0;
  } else if (!state.no_results && !state.foreign_field) {  // the load case's own results, and only they
    if (request.deflection) {
      DeflectionOptions o;
      o.shape = ShapeOf(request, DeflectionScale(c, request));
      o.exponent_labels = request.exponent_labels;
      o.resultants = request.resultants;
      DrawDeflectedShape(c, o);
      if (picture.fit.fitted) request.scales.displacement = static_cast<float>(picture.fit.scale / kMillimetres);
    }
    DrawForceDiagram(c, state, request);
    if (request.nodal_loads) DrawNodalLoads(c, state.right_hand_side);
    if (!request.AnyResult() && !request.geometry_details) DrawSupportReactionsOf(c, state);
  }
  if (request.dof_marker && request.marked_dof > 0) DrawDofMarker(c, request.marked_dof);
  return 0;
}

}  // namespace revuzavi
