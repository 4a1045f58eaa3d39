#pragma once
// The R display of the displacement picture: every node labelled with the
// resultant of its two displacements, at its moved place.
#include <string>

#include "graphics/picture/canvas.h"

namespace revuzavi {

// The resultant's label number in the deflection label table: above every
// element label.
inline constexpr int kFirstResultantLabel = 500;

// "R = %.2f" ("R = %.2e") of the resultant in millimetres of u and v in
// metres; empty below 0.01 mm.
std::string ResultantLabel(double u, double v, bool exponent_labels);

// Every node with a degree of freedom: its label one line above the node's
// own label, both moved by the node's displacements times `scale`. Returns
// the labels drawn.
int DrawNodeResultants(Canvas& c, double scale, bool exponent_labels);

}  // namespace revuzavi
