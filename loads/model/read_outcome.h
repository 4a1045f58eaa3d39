#pragma once
// The load input's outcomes are the shared ones of common/.
#include "common/read_outcome.h"

namespace pundf {

using common::ReadOutcome;

}  // namespace pundf
