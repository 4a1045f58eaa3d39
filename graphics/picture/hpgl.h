#pragma once
// The HPGL text of the plotter output.
#include <string>

namespace revuzavi {

// A coordinate of the plotter: world units times 100 as "%7.4lf".
std::string HpglNumber(double world);

}  // namespace revuzavi
