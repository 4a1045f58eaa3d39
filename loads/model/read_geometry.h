#pragma once
// Reading the frame that the geometry input stored: the load input works on
// it but never writes it.
#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

// Reads PARAMR, ELEMENTS, CROSS, NODES, LKNOTENR and the extents of
// model.position into model.geometry. Missing PARAMR: "No frame, no file %s."
// and the program ends with exit code 0. A damaged file, or a support at a node
// that does not exist: the message names the file and the program ends with
// exit code -1. Other missing files are empty tables. model.geometry changes
// only on success.
ReadOutcome ReadGeometry(LoadModel& model);

}  // namespace pundf
