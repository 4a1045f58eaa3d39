#pragma once
// The listings of the kinematic check in the position folder: K, its
// triangular form, its reduced echelon form and, with a mechanism, the
// mechanism with the nodes, the elements and their poles.
#include <string>
#include <vector>

#include "geometry/check/check_report.h"
#include "geometry/check/element_pole.h"
#include "geometry/model/frame_model.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "platform/text_block.h"

namespace kelmf {

inline constexpr const char* kStiffnessListing = "MATH_KMATRIX.TXT";
inline constexpr const char* kTriangularListing = "MATH_TRIANGULAR.TXT";
inline constexpr const char* kEchelonListing = "MATH_RREF.TXT";
inline constexpr const char* kMechanismListing = "MATH_UKINEMATIC.TXT";

// K: per row "%i: ", then "%.2f  " per entry, then a blank line; appended to the block with
// its lines ended by CR LF.
void AppendStiffnessListing(plat::TextBlock& block, const mechanics::Matrix& k);

// The triangular and the echelon form: per row "%5.2lf  " per entry, then a blank line.
void AppendEchelonListing(plat::TextBlock& block, const mechanics::Matrix& k);

// Writes the block's text into the listing, replacing it, in one write; a listing that cannot be
// written is reported and left out.
void WriteListing(const std::string& path, const plat::TextBlock& block, CheckReport& report);

// The mechanism found in `column`: its displacement per equation, every node
// with its equations, every element with its equations, its ends'
// displacements and its pole (poles[e - 1] for element e), then the totals.
void WriteMechanismListing(const std::string& path, const FrameModel& model, int column,
                           const mechanics::Vector& mechanism, const std::vector<ElementPole>& poles,
                           CheckReport& report);

}  // namespace kelmf
