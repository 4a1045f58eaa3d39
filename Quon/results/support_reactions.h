#pragma once
// The support reactions of the load case in work, after its displacements. With K the stiffness
// matrix of the position (MATRIXORI, with the support springs), f the load vector without the
// forces of settlements and s the support value of a direction, the force its support takes is
//   k |s| u_d - ((K u)_d - f_d),  k = SupportStiffness,
// in double precision: the spring force k |s| u_d at an ordinary support, and at a settled one
// the spring force less the force that produced the settlement, with the load at that equation.
//
// Written: the copy U<lc><ext> of the displacement vector (1001 doubles), KLAGER<lc><ext> (n
// floats, entry d at byte 4 (d - 1): the reaction at each supported equation, x taken negative,
// else 0) and the listing MATH_SUPPORTS<lc>.TXT of K u with the reactions in place.
#include <string>

#include "Quon/run/run.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"

namespace zedir {

// MATRIXORI: n rows of n + 1 doubles, index 0 of each row not interpreted. Missing: " The file
// <path> does not exist "; another size: the file is damaged.
common::Result ReadOriginalStiffness(const Run& run, mechanics::Matrix& k);

// Fills run.nodal_forces and run.support_reactions and writes the three files. Without a usable
// MATRIXORI the load case fails and the run ends (see Abandon).
common::Result ComputeSupportReactions(Run& run);

// "t[%i] = %.4lf" per equation, an empty line after every third.
std::string SupportForcesText(const mechanics::Vector& forces);

}  // namespace zedir
