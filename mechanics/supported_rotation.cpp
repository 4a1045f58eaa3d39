#include "mechanics/supported_rotation.h"

namespace mechanics {
namespace {

bool AllEndsHinged(int hingedEnds, int metEnds) { return metEnds > 0 && hingedEnds >= metEnds; }

template <class T>
int EquationAt(std::span<const T> rotationEquations, int hingedEnds, int metEnds) {
  const int index = SupportedRotationIndex(static_cast<int>(rotationEquations.size()), hingedEnds, metEnds);
  return index == 0 ? 0 : static_cast<int>(rotationEquations[static_cast<std::size_t>(index - 1)]);
}

}  // namespace

int SupportedRotationIndex(int rotationCount, int hingedEnds, int metEnds) {
  if (rotationCount < 1) return 0;
  return AllEndsHinged(hingedEnds, metEnds) ? 1 : rotationCount;
}

int SupportedRotationEquation(std::span<const int> rotationEquations, int hingedEnds, int metEnds) {
  return EquationAt(rotationEquations, hingedEnds, metEnds);
}

int SupportedRotationEquation(std::span<const std::int16_t> rotationEquations, int hingedEnds, int metEnds) {
  return EquationAt(rotationEquations, hingedEnds, metEnds);
}

}  // namespace mechanics
