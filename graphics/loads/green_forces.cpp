#include "graphics/loads/green_forces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/position/file_names.h"
#include "graphics/diagrams/deflected_shape.h"
#include "graphics/diagrams/shape_drawing.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/text.h"
#include "mechanics/model/green_coefficients.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

constexpr std::size_t kRecordBytes = 96;
constexpr double kPi = 3.14159265358979323846;

std::string Formatted(const char* format, const std::array<float, 3>& v) {
  char text[300];
  std::snprintf(text, sizeof text, format, double{v[0]}, double{v[1]}, double{v[2]});
  return text;
}

}  // namespace

common::FileStatus ReadGreenSums(const ViewerState& state, int e, GreenSumBlocks& sums) {
  const std::string path =
      state.position.LoadCaseFile(common::file_names::kGreenDisplacements, state.current_load_case);
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return common::FileStatus{};
  const int m = state.elements.count();
  const std::size_t size = static_cast<std::size_t>(m) * kRecordBytes;
  if (bytes->size() < size) {
    return DamagedStatus("it holds " + std::to_string(bytes->size()) + " bytes instead of " + std::to_string(size));
  }
  if (e < 1 || e > m) return DamagedStatus("it holds no element " + std::to_string(e));
  std::array<float, 24> record;
  std::memcpy(record.data(), bytes->data() + static_cast<std::size_t>(e - 1) * kRecordBytes, kRecordBytes);
  if (!std::all_of(record.begin(), record.end(), [](float v) { return std::isfinite(v); })) {
    return DamagedStatus("it holds a number that is not finite");
  }
  for (std::size_t k = 0; k < 6; ++k) sums[k] = {record[4 * k + 1], record[4 * k + 2], record[4 * k + 3]};
  common::FileStatus read;
  read.state = plat::TableState::kOk;
  return read;
}

std::string GreenSumsText(int kind, const std::array<float, 3>& hvr) {
  switch (kind) {
    case 1:
      return Formatted("Nodal sums: H = %4.3E, V = %4.3E, R = %4.3E (H is result if all horizontal f_i = 1.0, V is "
                       "result if all vertical f_i = 1.0, etc.)",
                       hvr);
    case 2:
      return Formatted("H = %4.3E V = %4.3E R =%4.3E (H is result if all horizontal f_i = 1, V = result if all "
                       "vertical f_i = 1, etc.)",
                       hvr);
    case 3:
      return Formatted("H = %4.3E V = %4.3E R = %.3lf (H is result if all horizontal f_i = 1, V = result if all "
                       "vertical f_i = 1, etc.)",
                       hvr);
    case 6:
      return Formatted("H = %.3lf V = %.3lf R = %.3lf (H is result if all horizontal f_i = 1, V = result if all "
                       "vertical f_i = 1, etc.)",
                       hvr);
    default: return {};
  }
}

common::Result GreenDisplacements(const ViewerState& state, int e, int kind, std::vector<double>& u) {
  if (e < 1 || e > state.elements.count() || kind < 1 || kind > mechanics::kGreenCases) {
    return common::Result::Fail("There is no Green function " + std::to_string(kind) + " of element " +
                                std::to_string(e), "Error");
  }
  const common::ElementRecord& element = state.elements[e];
  const auto weights = mechanics::GreenCoefficients(element)[static_cast<std::size_t>(kind - 1)];
  const int n = state.equation_count();
  std::vector<double> field(u.size() > static_cast<std::size_t>(n) ? u.size() : static_cast<std::size_t>(n) + 1,
                            0.0);
  std::vector<double> column(field.size(), 0.0);
  for (int j = 1; j <= 6; ++j) {
    const double w = weights[static_cast<std::size_t>(j - 1)];
    const int dof = element.dof(j);
    if (w == 0.0 || dof < 1) continue;
    if (common::Result read = ReadInverseColumn(state, dof, n, column); !read) return read;
    for (int i = 1; i <= n; ++i) field[static_cast<std::size_t>(i)] += w * column[static_cast<std::size_t>(i)];
  }
  u = std::move(field);
  return common::Result::Ok();
}

common::Result ComputeGreenDisplacements(ViewerState& state, const ViewState& view, std::string& sums_text) {
  sums_text = " ";
  const int e = view.green.element, kind = view.green.kind;
  if (common::Result computed = GreenDisplacements(state, e, kind, state.displacements); !computed) return computed;
  state.foreign_field = true;
  GreenSumBlocks sums{};
  if (ReadGreenSums(state, e, sums).ok()) sums_text = GreenSumsText(kind, sums[static_cast<std::size_t>(kind - 1)]);
  return common::Result::Ok();
}

common::Result ComputeGreenForces(ViewerState& state, ViewState& view, int e, int kind, std::string& sums_text) {
  if (e < 1 || e > state.elements.count()) return GreenDisplacements(state, e, kind, state.displacements);
  view.green = GreenPoint{e, 0.5f * state.elements[e].length(), 25, kind};
  return ComputeGreenDisplacements(state, view, sums_text);
}

int DrawGreenReaction(Canvas& c, bool at_point) {
  const ViewerState& s = c.viewer;
  const int e = c.view.green.element, kind = c.view.green.kind;
  if (e < 1 || e > s.elements.count() || kind < 1 || kind > 6) return 0;
  const common::ElementRecord& el = s.elements[e];
  const double sigma = VerticalSign(s);
  const double p = at_point ? c.view.green.position : 0.5 * el.length();
  const double tx = el.cosine(), tz = sigma * el.sine();  // along the element, drawn
  const double nx = -tz, nz = tx;                        // across it
  const double size = 0.04 * FrameSize(s);
  int drawn = 0;
  for (const double f : {0.85, 1.15}) {
    const double x = el.xa() + tx * f * p, z = sigma * el.ya() + tz * f * p;
    const double side = f < 1.0 ? -1.0 : 1.0;  // the pair acts in opposite senses
    switch (kind) {
      case 1: case 4: DrawTurnedArrow(c, x, z, side * tx, side * tz, size / 4, size); break;
      case 2: case 5: DrawTurnedArrow(c, x, z, side * nx, side * nz, size / 4, size); break;
      default: DrawMomentArc(c, x, z, size / 2, 0.75 * size, 0.0, kPi / 2, side > 0.0); break;
    }
    ++drawn;
  }
  return drawn;
}

int DrawInfluenceReactions(Canvas& c, const std::vector<InfluenceAction>& actions, std::string& sums_text) {
  sums_text.clear();
  const double size = 0.04 * FrameSize(c.viewer);
  int number = 0;
  for (const InfluenceAction& a : actions) {
    const bool moment = a.direction != 'X' && a.direction != 'Y';
    if (moment) {
      DrawMomentArc(c, a.x, a.z, size / 2, 0.75 * size, 0.0, kPi / 2, a.value < 0.0);
    } else {
      const double sign = a.value < 0.0 ? -1.0 : 1.0;
      DrawTurnedArrow(c, a.x, a.z, a.direction == 'X' ? sign : 0.0, a.direction == 'Y' ? sign : 0.0, size / 4, size,
                      true);
    }
    char text[64];
    std::snprintf(text, sizeof text, moment ? "%.3E kNm " : "%.3E kN ", a.value);
    const LabelPosition at = c.picture.labels.loads.Place(++number, static_cast<float>(a.x + 0.5 * size),
                                                          static_cast<float>(a.z + size));
    DrawRotatedText(c, at.x, at.z, text, kRedText, 0.0, number, 4, true);
    char sum[64];
    std::snprintf(sum, sizeof sum, "%s%.3E", a.direction == 'X' ? ", Fx = " : a.direction == 'Y' ? ", Fy = " : " = ",
                  a.value);
    sums_text += sum;
  }
  return number;
}

int DrawGreenDisplacements(Canvas& c, GreenCurveOptions o) {
  o.at_point = false;  // the unit action at the element's middle
  const int drawn = DrawGreenFunctionCurve(c, o);
  DrawGreenReaction(c, false);
  return drawn;
}

}  // namespace revuzavi
