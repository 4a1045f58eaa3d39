#pragma once
// The information page of the load case (command Info): position, title,
// number, the uniform or gravity load and the counts of the loads in memory
// (stored or not), CR LF lines.
#include <string>

#include "loads/model/load_model.h"

namespace pundf {

inline constexpr const char* kInfoTextFile = "INFOTEXT";

std::string InfoText(const LoadModel& model);

}  // namespace pundf
