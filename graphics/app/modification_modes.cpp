#include "graphics/app/modification_modes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "graphics/reanalysis/direct_solution.h"

namespace revuzavi {

ForcesFPlusShown::ForcesFPlusShown(ViewerState& state, const common::PointLoadTable* forces) : state_(state) {
  if (forces == nullptr) return;
  kept_loads_ = state.point_loads;
  kept_params_ = state.load_case_params;
  shown_ = true;
  common::LoadCaseParams& p = state.load_case_params;
  state.point_loads = *forces;
  p.set_point_load_count(static_cast<std::int16_t>(forces->count()));
  p.set_user_line_load_count(0);
  p.set_gravity_flag(0);
  p.set_temperature_flag(0);
  p.set_prestress_flag(0);
}

ForcesFPlusShown::~ForcesFPlusShown() {
  if (!shown_) return;
  state_.point_loads = std::move(kept_loads_);
  state_.load_case_params = kept_params_;
}

std::string ForcesFPlusName(int shown, int total) {
  if (total <= shown) return "Forces f+ ";
  char name[64];
  std::snprintf(name, sizeof name, "Forces f+ (first %i of %i) ", shown, total);
  return name;
}

namespace {

std::string IterationFigures(const ReanalysisState& run, bool one_click) {
  if (run.iteration_count < 1) return "";
  const int e = run.picked_elements.count(), n = run.picked_nodes.count(), it = run.iteration_count;
  // The bound of the error; none while the changes did not shrink.
  char error[32] = "(no bound)";
  if (std::isfinite(run.last_error)) std::snprintf(error, sizeof error, "%6.3E", run.last_error);
  const int s = run.current_step, steps = run.step_count;
  char line[200];
  if (one_click) {
    if (n == 0 && e <= 1) {
      std::snprintf(line, sizeof line, "  %i Iterations  %i element  error = %s  #%i of %i modifications", it, e,
                    error, s, steps);
    } else if (n == 0) {
      std::snprintf(line, sizeof line, "  %i Iterations  %i element(s)  error = %s  #%i of %i modifications", it,
                    e, error, s, steps);
    } else if (e > 0) {
      std::snprintf(line, sizeof line, "  %i Iterations  %i element(s)  %i node(s) error = %s  #%i of %i Modifications",
                    it, e, n, error, s, steps);
    } else {
      std::snprintf(line, sizeof line, "  %i Iterations  %i node  error = %s  #%i of %i modifications", it, n,
                    error, s, steps);
    }
  } else if (n == 0 && e <= 1) {
    std::snprintf(line, sizeof line, "  %i Iterations  %i element  error = %s ", it, e, error);
  } else if (n == 0) {
    std::snprintf(line, sizeof line, "  %i Iterations  %i element(s)  error = %s  ", it, e, error);
  } else if (e > 0) {
    std::snprintf(line, sizeof line, "  %i Iterations  %i element(s)  %i node error = %s", it, e, n, error);
  } else {
    std::snprintf(line, sizeof line, "  %i Iterations  %i node(s)  error = %s ", it, n, error);
  }
  return run.converged ? line : std::string(line) + "  not converged";
}

std::string RuleFactorText(float used, float typed) {
  char text[64];
  std::snprintf(text, sizeof text, "k = %.3g (typed %.3g)", static_cast<double>(used), static_cast<double>(typed));
  return text;
}

}  // namespace

std::string IterationLine(const ReanalysisState& run, bool one_click) {
  std::string line = IterationFigures(run, one_click);
  if (run.rule_typed_k >= 0.0f) line += "  " + RuleFactorText(kRuleFactor, run.rule_typed_k);
  return line;
}

std::string KText(float k, bool direct) {
  if (direct && RuleReplaces(k)) return RuleFactorText(kRuleFactor, k);
  char text[48];
  std::snprintf(text, sizeof text, "k = %.2f", static_cast<double>(k));
  return text;
}

std::string ModificationTitle(const std::string& position, const std::string& load_case_title, int load_case,
                              int load_cases, const std::string& picture, const std::string& line) {
  char middle[48];
  std::snprintf(middle, sizeof middle, " LC %i of %i ", load_case, load_cases);
  return "Position " + position + " " + load_case_title + middle + picture + " " + line;
}

int ReleasePlace(float xa, float za, float xb, float zb, float x, float z) {
  const double length = std::hypot(double(xb) - xa, double(zb) - za);
  const double tolerance = 0.25 * length;
  if (std::hypot(double(x) - xa, double(z) - za) <= tolerance) return 0;
  if (std::hypot(double(x) - xb, double(z) - zb) <= tolerance) return 1;
  return 2;
}

int StationAlong(float xa, float za, float xb, float zb, float x, float z) {
  const double length = std::hypot(double(xb) - xa, double(zb) - za);
  if (!(length > 0.0)) return 0;
  const double along = std::hypot(double(x) - xa, double(z) - za) / (length / 50.0);
  return std::clamp(static_cast<int>(std::lround(along)), 0, 50);
}

std::string ModeStatusText(const ModificationModes& modes, bool only_x, bool only_y, float k, bool direct) {
  const char key = modes.one_click ? 'C' : modes.hinge ? 'F' : modes.shear_hinge ? 'G' : modes.cut ? 'H'
                   : modes.p_mode  ? 'P' : '\0';
  // A release scales its force by k: the stiffness rule does not touch it.
  if (key != '\0') return KText(k, direct && !modes.AnyReleaseMode()) + "   " + key + "-key has been pressed";
  if (only_x || only_y) {
    return only_x ? "x-key has been pressed, only x-values" : "y-key has been pressed, only y-values";
  }
  return KText(k, direct);
}

}  // namespace revuzavi
