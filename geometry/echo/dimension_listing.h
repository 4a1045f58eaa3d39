#pragma once
// The dimension listing D1.TXT: the output page of the geometry.
#include <string>

#include "geometry/model/frame_model.h"

namespace kelmf {

// Writes the listing: heading and date, title, the materials, the cross
// sections with EI and EA for each material their elements use (material 1 for
// a section no element uses), the elements, the nodes with their support values
// and the support stiffness notes (FrameParams 704, which must be current).
// False when the file cannot be written.
bool WriteDimensionListing(const std::string& path, const FrameModel& model);

}  // namespace kelmf
