#pragma once
// The start-up of the load input: the position, its settings, diary and frame,
// and the load case to show.
#include <string>

#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

struct StartRequest {
  std::string data_path;  // ending with "/" (one is added when missing)
  std::string ext;        // PositionExt, ".12"
  int load_case = 0;      // asked for on the command line; 0 when none
  bool rebuild = false;   // "@G": the load cases are rebuilt, none is opened
};

// Sets the position and the settings folder (made when missing), reads DIARY
// (a damaged one ends the program with exit code -1), the pen width (PUNDRDB)
// and the frame (ReadGeometry and its ends), and makes a load case current:
// the one asked for when the diary holds it, else the diary's first, else a
// new load case 1 (reset, marked new). In rebuild mode the load case is always
// a new one, so that no stale load-case file can stop the rebuild.
//
// A load case whose PL is missing is shown empty under its number; one that
// does not read is refused with its message (the program goes on with it
// empty); a read failure that ends the program is passed on. The editor's
// saved copy is the PL block shown.
ReadOutcome LoadPositionData(LoadModel& model, const StartRequest& request);

}  // namespace pundf
