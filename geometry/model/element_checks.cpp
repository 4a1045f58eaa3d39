#include "geometry/model/element_checks.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/records/number_runs.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/element_writer.h"

namespace kelmf {

common::Result CheckElementLength(int n, double xa, double za, double xb, double zb) {
  if (std::hypot(xb - xa, zb - za) > kMinElementLength) return common::Result::Ok();
  char text[160];
  std::snprintf(text, sizeof text, "Input error: element %d has no length: both its ends lie at x = %.2f, z = %.2f.",
                n, xa, za);
  return common::Result::Fail(text, "Error");
}

common::Result CheckElementLengths(const common::ElementTable& elements) {
  for (int e = 1; e <= elements.count(); ++e) {
    const common::ElementRecord& element = elements[e];
    if (common::Result r = CheckElementLength(e, element.xa(), element.za(), element.xb(), element.zb()); !r) {
      return r;
    }
  }
  return common::Result::Ok();
}

common::Result CheckElementNumbers(const FrameModel& model) {
  for (int e = 1; e <= model.elements.count(); ++e) {
    if (common::FirstNonFiniteNumber(model.elements[e])) {
      return common::Result::Fail("Input error: element " + std::to_string(e) +
                                      " gives numbers too large for the files (its length, EA or EI).",
                                  "Error");
    }
  }
  return common::Result::Ok();
}

common::Result CheckElementsToWrite(const FrameModel& model) {
  if (common::Result lengths = CheckElementLengths(model.elements); !lengths) return lengths;
  FrameModel trial = model;
  ComputeElementGeometry(trial);
  if (common::Result stiffness = FillElementStiffness(trial); !stiffness) return stiffness;
  return CheckElementNumbers(trial);
}

}  // namespace kelmf
