#pragma once
// Emptying the current load case (the editor's New, and a start without a
// stored load case).
#include "loads/model/load_model.h"

namespace pundf {

// Clears the loads of the current load case: no point, line or prestress
// loads (PL bytes 4, 10, 14, 22, 30, 36), the temperature, settlement and
// gravity flags and the generator flags (bytes 336..340, 342, 347..351), the
// uniform-load value, gamma and covering, and the title; bytes 44, 48 and 60
// of every point-load slot; and the picture's value of each element 1..element
// count. The load-case number and text and the prestress flag stay.
void ResetLoadCase(LoadModel& model);

}  // namespace pundf
