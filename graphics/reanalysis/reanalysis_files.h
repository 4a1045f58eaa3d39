#pragma once
// Names of the reanalysis's files in the position folder. A working copy of step i is named
// folder + base + i + position extension; the others have no extension.
#include <string>

#include "common/position/position.h"

namespace revuzavi {

inline constexpr const char* kDisplacementCopyFile = "UCT8";
inline constexpr const char* kNodeCopyFile = "KNOTENRTEMP";
inline constexpr const char* kElementCopyFile = "ELEMENTS";
inline constexpr const char* kSupportCopyFile = "LKNOTENRTEMP";
inline constexpr const char* kPickedFile = "Picked";
inline constexpr const char* kPickedNodesFile = "PickedNodes";
inline constexpr const char* kForcesFPlusFile = "ForcesFPlus";
inline constexpr const char* kIterationErrorFile = "ErrorListIteration.txt";
inline constexpr const char* kRemovedLoadsFile = "RHSGElM";  // + element + load-case text

// folder + base + step + extension.
inline std::string StepFile(const common::Position& position, const char* base, int step) {
  return position.File(std::string(base) + std::to_string(step));
}

}  // namespace revuzavi
