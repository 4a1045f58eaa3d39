#pragma once
// The frame parameters (PARAMR) and the load case's parameter block (PL).
#include <string>
#include <string_view>

#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// "<name>   <title>"; a text longer than 81 characters becomes its first 77
// characters and "...".
std::string StatusTitle(std::string_view position_name, std::string_view title);

// PARAMR is required: missing, short, or with a number of equations outside
// 0..1000 it ends the run. Shows "Number of equations = Null" for 0 and goes
// on, clears byte 669, sends the status title. Then the PL file of the load case
// is required and its point-load and line-load counts must fit their tables.
common::Result ReadParameters(Run& run, RunNotifier& notifier);

}  // namespace zedir
