#pragma once
// The inverse of K and the files made from it: INVERSE (n x n doubles, column
// j at byte (j - 1) * 8n), FLEXDIA (its diagonal, n doubles), FLEXMAX (the
// equations from the largest diagonal entry to the smallest) and the listing
// FLEXMAX.TXT in the position folder.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"
#include "mechanics/dense_vector.h"
#include "mechanics/inversion.h"

namespace kelmf {

inline constexpr const char* kInverseFile = "INVERSE";
inline constexpr const char* kFlexDiagonalFile = "FLEXDIA";
inline constexpr const char* kFlexMaxFile = "FLEXMAX";
inline constexpr const char* kFlexMaxListing = "FLEXMAX.TXT";

// Removes INVERSE, FLEXDIA and FLEXMAX, so that no program reads the inverse
// of another model.
void DeleteInverseFiles(const common::Position& position);

// The equations 1..n from the largest diagonal value (compared in single
// precision) to the smallest; among equal values the higher equation first.
std::vector<int> RankByFlexibility(const mechanics::Vector& diagonal);

// "ux at Node %i", "uy at Node %i" or "phi at Node %i" after the equation's
// node and kind in model.dofs; empty for an equation the list lacks.
std::string EquationLabel(const FrameModel& model, int equation);

// Writes INVERSE, FLEXDIA, FLEXMAX and the listing. False, with a message
// naming the file, when one of the three binary files cannot be written; a
// listing that cannot be written is reported and skipped.
bool WriteInverseFiles(const FrameModel& model, const common::Position& position, const mechanics::Inverse& inverse,
                       CheckReport& report);

}  // namespace kelmf
