#pragma once
// The plot of one function along one element: its 51 values (x in tenths of
// the element length, 0 .. 5), its title, and where they come from: the
// viewer's own curve file of the load case shown, else the solver's, else
// none; deflections can also be computed from the element's end values.
#include <array>
#include <string>

#include "graphics/state/viewer_state.h"
#include "mechanics/sample_lines.h"

namespace revuzavi {

// The functions a plot shows, numbered as the picture kinds.
enum class PlotFunction { kNone = 0, kDeflection = 1, kNormalForce = 2, kMoment = 3, kShear = 4 };

// The function of a number 1..4; none for any other.
PlotFunction PlotFunctionOfNumber(long long number);

// What the picture view asks to plot.
struct ElementPlotChoice {
  int element = 0;
  PlotFunction function = PlotFunction::kNone;
};

struct ElementPlot {
  std::string title;  // the frame caption; ends in "(no results)" without values
  bool has_values = false;
  double length = 0.0;  // the element's length: x labels are x * length / 5
  std::array<double, mechanics::kSamples> values{};  // at x = 0, 0.1, ..., 5.0; deflections in mm
};

// "MOMENTS [kNm] IN ELEMENT %i IN LC %i" and its kin; empty for no function.
std::string ElementPlotTitle(PlotFunction function, int element, int load_case);

// The curve files of a function: the viewer's letter (U W N M S) and the solver's (S read as V).
char ViewerCurveLetter(PlotFunction function);
char SolverCurveLetter(PlotFunction function);
// The solver's curve file of element e in the load case shown: letter + lc text + "E" + e + suffix.
std::string SolverCurveFileName(const ViewerState& state, char letter, int e);

// The 51 floats of a curve file; false when it is missing, not 204 bytes or holds a value that is
// not a finite number.
bool ReadCurveFile(const std::string& path, std::array<double, mechanics::kSamples>& values);

// The deflections in mm of an element of length l at x = (i - 1) l / 50 from its end values
// (w along the left normal, rotations phi = -w') by the cubic shapes.
std::array<double, mechanics::kSamples> ComputedDeflections(double l, double w1, double phi1, double w2,
                                                            double phi2);

// The plot of the choice in the load case shown. `computed` takes the deflections from the
// element's end displacements instead of a file. An element outside the table plots nothing
// (empty title).
ElementPlot ReadElementPlot(const ViewerState& state, const ElementPlotChoice& choice, bool computed);

}  // namespace revuzavi
