#include "geometry/check/element_pole.h"

#include <cmath>
#include <cstdio>

namespace kelmf {
namespace {

Pole At(double x, double z) { return Pole{static_cast<float>(x), static_cast<float>(z), 0}; }

Pole FromRotation(const EndMotion& end, const EndPoint& point) {
  return At(point.x + end.v / end.phi, point.z + end.u / end.phi);
}

std::string Format(const char* format, const Pole& pole) {
  char text[512];
  std::snprintf(text, sizeof text, format, static_cast<double>(pole.x), static_cast<double>(pole.z));
  return text;
}

}  // namespace

EndMotion MotionOfEnd(const mechanics::Vector& mechanism, const common::ElementRecord& element, int end) {
  const int first = end == 1 ? 1 : 4;
  auto entry = [&mechanism](int dof) { return dof >= 1 && dof <= mechanism.size() ? mechanism[dof] : 0.0; };
  return {entry(element.dof(first)), entry(element.dof(first + 1)), entry(element.dof(first + 2))};
}

ElementPole FindPole(const EndMotion& left, const EndMotion& right, const EndPoint& start, const EndPoint& end,
                     const Pole& former) {
  if (std::fabs(left.u) + std::fabs(left.v) < 0.01) return {PoleKind::kLeftNode, At(start.x, start.z)};
  if (std::fabs(right.u) + std::fabs(right.v) < 0.01) return {PoleKind::kRightNode, At(end.x, end.z)};
  if (std::fabs(left.phi) > 0.01) return {PoleKind::kFromRotation, FromRotation(left, start)};
  if (std::fabs(right.phi) > 0.01) return {PoleKind::kFromRotation, FromRotation(right, end)};
  return {PoleKind::kAtInfinity, Pole{former.x, former.z, 1}};
}

std::string PoleLine(const ElementPole& found) {
  switch (found.kind) {
    case PoleKind::kLeftNode:
      return Format("---> Pole at left node x = %.2f y = %.2f\n", found.pole);
    case PoleKind::kRightNode:
      return Format("---> Pole at right node x = %.2f y = %.2f\n", found.pole);
    case PoleKind::kFromRotation:
      return Format("---> Pole x = %.2f y = %.2f\n", found.pole);
    case PoleKind::kAtInfinity:
      break;
  }
  return "Element does not rotate, pole lies on a line normal to the element at infinity\n";
}

}  // namespace kelmf
