#include "graphics/plot/element_plot.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/element_values.h"
#include "mechanics/curves/beam_shapes.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

constexpr const char* kNoResults = " (no results)";

}  // namespace

PlotFunction PlotFunctionOfNumber(long long number) {
  return number >= 1 && number <= 4 ? static_cast<PlotFunction>(number) : PlotFunction::kNone;
}

std::string ElementPlotTitle(PlotFunction function, int element, int load_case) {
  const char* format = nullptr;
  switch (function) {
    case PlotFunction::kDeflection: format = "DEFLECTION [mm] OF ELEMENT %i IN LC %i"; break;
    case PlotFunction::kNormalForce: format = "NORMAL FORCES [kN] IN ELEMENT %i IN LC %i"; break;
    case PlotFunction::kMoment: format = "MOMENTS [kNm] IN ELEMENT %i IN LC %i"; break;
    case PlotFunction::kShear: format = "SHEAR FORCES [kN] IN ELEMENT %i IN LC %i"; break;
    case PlotFunction::kNone: break;
  }
  if (format == nullptr) return {};
  char title[96];
  std::snprintf(title, sizeof title, format, element, load_case);
  return title;
}

char ViewerCurveLetter(PlotFunction function) {
  switch (function) {
    case PlotFunction::kDeflection: return 'W';
    case PlotFunction::kNormalForce: return 'N';
    case PlotFunction::kMoment: return 'M';
    case PlotFunction::kShear: return 'S';
    case PlotFunction::kNone: break;
  }
  return '\0';
}

char SolverCurveLetter(PlotFunction function) {
  return function == PlotFunction::kShear ? 'V' : ViewerCurveLetter(function);
}

std::string SolverCurveFileName(const ViewerState& state, char letter, int e) {
  return state.position.File(std::string(1, letter) + state.current_load_case_text + "E" + std::to_string(e));
}

bool ReadCurveFile(const std::string& path, std::array<double, mechanics::kSamples>& values) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes || bytes->size() != sizeof(float) * mechanics::kSamples) return false;
  std::array<double, mechanics::kSamples> read{};
  for (std::size_t i = 0; i < read.size(); ++i) {
    float v = 0.0f;
    std::memcpy(&v, bytes->data() + sizeof(float) * i, sizeof v);
    if (!std::isfinite(v)) return false;
    read[i] = v;
  }
  values = read;
  return true;
}

std::array<double, mechanics::kSamples> ComputedDeflections(double l, double w1, double phi1, double w2,
                                                            double phi2) {
  std::array<double, mechanics::kSamples> w{};
  for (int i = 0; i < mechanics::kSamples; ++i) {
    const mechanics::CubicShapes h = mechanics::ShapesAt(i * l / (mechanics::kSamples - 1), l);
    w[static_cast<std::size_t>(i)] = 1000.0 * (h.h1 * w1 + h.h2 * phi1 + h.h3 * w2 + h.h4 * phi2);
  }
  return w;
}

ElementPlot ReadElementPlot(const ViewerState& state, const ElementPlotChoice& choice, bool computed) {
  ElementPlot plot;
  const int e = choice.element;
  if (e < 1 || e > state.elements.count() || choice.function == PlotFunction::kNone) return plot;
  plot.title = ElementPlotTitle(choice.function, e, state.current_load_case);
  plot.length = state.elements[e].length();
  const bool deflection = choice.function == PlotFunction::kDeflection;
  if (deflection && computed) {
    if (state.no_results) {
      plot.title += kNoResults;
      return plot;
    }
    const mechanics::EndValues ends = ElementValuesAlong(state, e).local;
    plot.values = ComputedDeflections(plot.length, ends.transverse_a, ends.rotation_a, ends.transverse_b,
                                      ends.rotation_b);
    plot.has_values = true;
    return plot;
  }
  plot.has_values =
      ReadCurveFile(ElementCurveFileName(state, ViewerCurveLetter(choice.function), e), plot.values) ||
      ReadCurveFile(SolverCurveFileName(state, SolverCurveLetter(choice.function), e), plot.values);
  if (!plot.has_values) {
    plot.title += kNoResults;
    return plot;
  }
  if (deflection) {
    for (double& v : plot.values) v *= 1000.0;  // metres to millimetres
  }
  return plot;
}

}  // namespace revuzavi
