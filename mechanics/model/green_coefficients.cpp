#include "mechanics/model/green_coefficients.h"

namespace mechanics {

std::array<std::array<float, 6>, kGreenCases> GreenCoefficients(const common::ElementRecord& element) {
  const float c = element.cosine(), s = element.sine(), l = element.length();
  const float ea = element.ea(), ei = element.ei();
  const float axial = ea / l;
  const float shear = 12.0f * ei / (l * l * l);
  const float turn = 6.0f * ei / (l * l);
  const float kink = ei / l;
  return {{
      {0.5f * c, 0.5f * s, 0.0f, 0.5f * c, 0.5f * s, 0.0f},
      {-0.5f * s, 0.5f * c, -l / 8.0f, -0.5f * s, 0.5f * c, l / 8.0f},
      {1.5f * s / l, -1.5f * c / l, 0.25f, -1.5f * s / l, 1.5f * c / l, 0.25f},
      {-axial * c, -axial * s, 0.0f, axial * c, axial * s, 0.0f},
      {shear * s, -shear * c, turn, -shear * s, shear * c, turn},
      {0.0f, 0.0f, -kink, 0.0f, 0.0f, kink},
  }};
}

}  // namespace mechanics
