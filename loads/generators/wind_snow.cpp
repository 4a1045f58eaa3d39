#include "loads/generators/wind_snow.h"

#include <algorithm>
#include <cmath>
#include <string>

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

void AddLoad(LoadModel& model, int e, char direction, float value) {
  const auto& element = model.geometry.elements[e];
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(e));
  load.set_x1(element.xa());
  load.set_y1(element.ya());
  load.set_z1(element.za());
  load.set_x2(element.xb());
  load.set_y2(element.yb());
  load.set_z2(element.zb());
  load.set_whole_element(1);
  load.set_direction(direction);
  load.set_value_a(value);
  load.set_value_b(value);
  model.load_case.line_loads.Append(load);
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
    AddLoad(model, strip.element, direction, per_element(strip.element));
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
    Strip strip;
    strip.middle = (levels[j] + levels[j + 1]) / 2.0f;
    for (int e = 1; e <= geometry.element_count(); ++e) {
      const auto& el = geometry.elements[e];
      if (!StrictlyBetween(strip.middle, el.za(), el.zb())) continue;
      const float x = Across(strip.middle, el.za(), el.xa(), el.zb(), el.xb());
      if (strip.element == 0 || x < strip.crossing) {
        strip.crossing = x;
        strip.element = e;
      }
    }
    strips.push_back(strip);
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
    Strip strip;
    strip.middle = (xs[j] + xs[j + 1]) / 2.0f;
    for (int e = 1; e <= geometry.element_count(); ++e) {
      const auto& el = geometry.elements[e];
      if (!StrictlyBetween(strip.middle, el.xa(), el.xb())) continue;
      // Height with y upward, whatever the sign of the user's vertical axis.
      const float y = Across(strip.middle, el.xa(), el.ya(), el.xb(), el.yb());
      if (strip.element == 0 || y > strip.crossing) {
        strip.crossing = y;
        strip.element = e;
      }
    }
    strips.push_back(strip);
  }
  return strips;
}

void GenerateWindLoadCase(LoadModel& model, float value) {
  model.load_case.params.set_wind_value(value);
  Generate(model, MakeWindLoads(model.geometry), 'X', [value](int) { return value; });
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
