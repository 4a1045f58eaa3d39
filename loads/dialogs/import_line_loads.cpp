#include "loads/dialogs/import_line_loads.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "common/records/capacities.h"
#include "loads/model/whole_element_load.h"

namespace pundf {
namespace {

constexpr float kOnAxis = 0.05f;

struct Stretch {
  int element = 0;
  float from = 0.0f, to = 0.0f;
  bool whole = false;
};

// The distance along the element from its start, when the point lies on its axis.
std::optional<float> AlongAxis(const common::ElementRecord& el, float x, float y) {
  const float dx = el.xb() - el.xa(), dy = el.yb() - el.ya();
  const float l = std::hypot(dx, dy);
  if (l <= 0.0f) return std::nullopt;
  const float px = x - el.xa(), py = y - el.ya();
  const float t = (px * dx + py * dy) / l;
  const float off = std::fabs(px * dy - py * dx) / l;
  if (off > kOnAxis || t < -kOnAxis || t > l + kOnAxis) return std::nullopt;
  return std::clamp(t, 0.0f, l);
}

std::optional<Stretch> FindStretch(const Geometry& geometry, float x1, float y1, float x2, float y2) {
  for (int e = 1; e <= geometry.element_count(); ++e) {
    const auto& el = geometry.elements[e];
    const auto a = AlongAxis(el, x1, y1), b = AlongAxis(el, x2, y2);
    if (!a || !b) continue;
    const float l = std::hypot(el.xb() - el.xa(), el.yb() - el.ya());
    Stretch s{e, std::min(*a, *b), std::max(*a, *b), false};
    s.whole = s.from <= kOnAxis && s.to >= l - kOnAxis;
    return s;
  }
  return std::nullopt;
}

}  // namespace

ImportReport ImportLineLoads(LoadModel& model, const std::vector<std::string>& lines, float value) {
  ImportReport report;
  LoadCase& lc = model.load_case;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    float x1, y1, x2, y2;
    const bool read = std::sscanf(lines[i].c_str(), "%f %f %f %f", &x1, &y1, &x2, &y2) == 4;
    const auto stretch = read ? FindStretch(model.geometry, x1, y1, x2, y2) : std::nullopt;
    if (!stretch) {
      report.on_no_element.push_back(lines[i]);
      continue;
    }
    if (lc.line_loads.count() >= common::kMaxLineLoads) {
      ++report.left_over;
      continue;
    }
    const auto& el = model.geometry.elements[stretch->element];
    lc.line_loads.Append(stretch->whole ? WholeElementLoad(el, stretch->element, 'Y', value, value)
                                        : StretchLoad(el, stretch->element, 'Y', stretch->from, stretch->to, value,
                                                      value));
    ++report.added;
  }
  lc.line_notes.SetCount(lc.line_loads.count());
  lc.params.set_user_line_load_count(static_cast<std::int16_t>(lc.line_loads.count()));
  lc.params.set_line_load_record_count(static_cast<std::int16_t>(lc.line_loads.count()));
  return report;
}

std::string ImportMessage(const ImportReport& report) {
  std::string text;
  if (!report.on_no_element.empty()) {
    text = "These lines lie on no element and were left out:";
    for (const std::string& line : report.on_no_element) text += "\n" + line;
  }
  if (report.left_over > 0) {
    if (!text.empty()) text += "\n\n";
    text += "A load case holds " + std::to_string(common::kMaxLineLoads) + " line loads: " +
            std::to_string(report.left_over) + " lines were left out.";
  }
  return text;
}

}  // namespace pundf
