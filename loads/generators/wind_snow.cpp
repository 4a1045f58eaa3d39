#include "loads/generators/wind_snow.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "loads/model/whole_element_load.h"

namespace pundf {
namespace {

constexpr float kLevelGap = 0.05f;
constexpr float kLastLevelGap = 0.1f;
constexpr float kAbscissaGap = 0.1f;
constexpr float kSmallestRise = 0.01f;
constexpr float kRiseStandIn = 0.1f;

// The value of the line through (a, fa) and (b, fb) at t; a run below 0.01
// counts as 0.1.
float Across(float t, float a, float fa, float b, float fb) {
  float run = b - a;
  if (std::fabs(run) < kSmallestRise) run = kRiseStandIn;
  return fa + (t - a) * (fb - fa) / run;
}

bool StrictlyBetween(float t, float a, float b) { return std::min(a, b) < t && t < std::max(a, b); }

// An element's ends as (run, value) pairs: the run is the coordinate that the
// strips divide, the value the one compared where an element crosses a strip.
struct Ends {
  float run_a, value_a, run_b, value_b;
};

// The strip at `middle` and the element that crosses it with the value that
// `better` prefers (the lower number on a tie); element 0 when none crosses.
template <class EndsOf, class Better>
Strip PickElement(const Geometry& geometry, float middle, EndsOf ends_of, Better better) {
  Strip strip;
  strip.middle = middle;
  for (int e = 1; e <= geometry.element_count(); ++e) {
    const Ends ends = ends_of(geometry.elements[e]);
    if (!StrictlyBetween(middle, ends.run_a, ends.run_b)) continue;
    const float value = Across(middle, ends.run_a, ends.value_a, ends.run_b, ends.value_b);
    if (strip.element == 0 || better(value, strip.crossing)) {
      strip.crossing = value;
      strip.element = e;
    }
  }
  return strip;
}

// Fills the load case from the strips; `per_element` gives an element's value.
template <class Value>
void Generate(LoadModel& model, const std::vector<Strip>& strips, char direction, Value per_element) {
  LoadCase& lc = model.load_case;
  lc.line_loads.Clear();
  lc.line_notes.Clear();
  std::vector<bool> used(model.geometry.element_count() + 1, false);
  for (const Strip& strip : strips) {
    if (strip.element < 1 || used[strip.element]) continue;
    used[strip.element] = true;
    const float value = per_element(strip.element);
    lc.line_loads.Append(
        WholeElementLoad(model.geometry.elements[strip.element], strip.element, direction, value, value));
  }
  lc.line_notes.SetCount(lc.line_loads.count());
  auto& p = lc.params;
  p.set_user_line_load_count(static_cast<std::int16_t>(lc.line_loads.count()));
  p.set_line_load_record_count(static_cast<std::int16_t>(lc.line_loads.count()));
  p.set_load_case_text(common::CurrentLoadCaseText(lc.number()));
  p.set_title("Load case " + std::to_string(lc.number()));
  p.set_origin(2);
  p.set_gravity_flag(0);
  p.set_generated_flag(1);
}

}  // namespace

std::vector<float> WindLevels(const common::NodeTable& nodes) {
  std::vector<float> levels;
  if (nodes.empty()) return levels;
  float zmin = nodes[1].z(), zmax = nodes[1].z();
  for (const auto& n : nodes.used()) {
    zmin = std::min(zmin, n.z());
    zmax = std::max(zmax, n.z());
  }
  levels.push_back(zmin);
  while (zmax - levels.back() > kLastLevelGap) {
    float next = zmax;
    for (const auto& n : nodes.used()) {
      if (n.z() > levels.back() + kLevelGap) next = std::min(next, n.z());
    }
    levels.push_back(next);
  }
  return levels;
}

std::vector<Strip> MakeWindLoads(const Geometry& geometry) {
  const std::vector<float> levels = WindLevels(geometry.nodes);
  std::vector<Strip> strips;
  for (std::size_t j = 0; j + 1 < levels.size(); ++j) {
    const float middle = (levels[j] + levels[j + 1]) / 2.0f;
    // Across the height z, the leftmost x.
    strips.push_back(PickElement(
        geometry, middle, [](const common::ElementRecord& el) { return Ends{el.za(), el.xa(), el.zb(), el.xb()}; },
        std::less<float>()));
  }
  return strips;
}

std::vector<Strip> MakeSnowLoads(const Geometry& geometry) {
  std::vector<float> xs;
  for (const auto& n : geometry.nodes.used()) xs.push_back(n.x());
  std::sort(xs.begin(), xs.end());
  std::vector<Strip> strips;
  for (std::size_t j = 0; j + 1 < xs.size(); ++j) {
    if (xs[j + 1] - xs[j] <= kAbscissaGap) continue;
    const float middle = (xs[j] + xs[j + 1]) / 2.0f;
    // Across x, the largest z: the user's vertical coordinate points up (the
    // stored y, along which a 'Y' load acts, points down), so the roof.
    strips.push_back(PickElement(
        geometry, middle, [](const common::ElementRecord& el) { return Ends{el.xa(), el.za(), el.xb(), el.zb()}; },
        std::greater<float>()));
  }
  return strips;
}

void GenerateWindLoadCase(LoadModel& model, float value) {
  model.load_case.params.set_wind_value(value);
  Generate(model, MakeWindLoads(model.geometry), 'X', [value](int) { return value; });
}

void GenerateFloorLoadCase(LoadModel& model, float value) {
  model.load_case.params.set_uniform_load(value);
  std::vector<Strip> beams;
  for (int e = 1; e <= model.geometry.element_count(); ++e) {
    const auto& el = model.geometry.elements[e];
    const float c = el.cosine();
    if (std::fabs(c) >= 0.1f && std::fabs(el.sine() / c) < 1.0f) beams.push_back(Strip{0.0f, 0.0f, e});
  }
  Generate(model, beams, 'Y', [value](int) { return value; });
}

void GenerateSnowLoadCase(LoadModel& model, float value) {
  model.load_case.params.set_snow_value(value);
  const Geometry& g = model.geometry;
  Generate(model, MakeSnowLoads(g), 'Y', [&g, value](int e) {
    const auto& el = g.elements[e];
    const float l = el.length();
    return l > 0.0f ? value * std::fabs(el.xb() - el.xa()) / l : 0.0f;
  });
}

}  // namespace pundf
