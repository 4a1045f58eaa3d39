#pragma once
// The modulus of elasticity of a concrete class typed into the material table.
#include <optional>
#include <string_view>

#include "common/records/frame_params.h"

namespace kelmf {

// The modulus [kN/m2] for a class text such as "C30/37" or "B25": a "C" class
// sets the concrete-class index (FrameParams 110) when its number is one of
// the table's and takes the modulus at the index (second table when
// `second_table`); any other first letter reads a "B" class. None when the
// number is 0 (nothing to write).
std::optional<double> ModulusOfClassText(std::string_view text, bool second_table, common::FrameParams& params);

}  // namespace kelmf
