#pragma once
// The state lines of the load case's loads between element ends, each written as 51 floats for the
// results viewer: NSTAB, MSTAB and QSTAB<i><lc> of every line load i, NSOURCE and
// QSOURCE<k>ELM<e><lc> of every point load k on an element e. A file that cannot be created is
// skipped; the element curves compute the same lines themselves.
#include "Quon/run/run.h"

namespace zedir {

common::Result WriteStateLines(const Run& run);

}  // namespace zedir
