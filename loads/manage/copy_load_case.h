#pragma once
// Copying the loads of a load case of another position into the current one.
#include "common/position/position.h"
#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

struct CopySource {
  common::Position position;  // the position the loads come from
  int number = 0;             // its load case
};

inline constexpr int kCopyReplace = 0;
inline constexpr int kCopyAdd = 1;

// Copies the point loads and the user line loads (with their notes) of the
// source load case into the current one, each point moved by (shift x, shift
// y), line-load values A and B and point-load values with their components
// multiplied by `factor`.
// - kCopyReplace (the current load case must have been stored): the source's
//   loads and PL block take the place of the current ones; the current load
//   case keeps its number and text and its temperature, settlement and
//   prestress data, whose files the copy does not bring.
// - kCopyAdd: the source's loads follow the current ones and the PL counts
//   grow by the source's; when the source's line loads were generated, its
//   generator and gravity flags are taken over and its gamma, covering and
//   uniform-load value multiplied by the factor.
// Refused with a message, the current load case unchanged, when a PL is
// missing ("The file %s is missing", caption "Error"), a source file does not
// read, more than 100 point or line loads would result, or a copied load names
// a node or element that the current frame lacks. The copy changes the load
// case in memory; storing it writes the files.
common::Result CopyLoadCase(LoadModel& model, const CopySource& source, int mode, float shift_x, float shift_y,
                            float factor);

}  // namespace pundf
