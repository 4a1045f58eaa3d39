#pragma once
// Dragging a value label of the picture to a place of the user's: the label
// under a point, the table that remembers its place, and its new place.
#include "graphics/compose/picture_request.h"
#include "graphics/picture/picture_state.h"

namespace revuzavi {

// The box (1..count) of the last drawing whose outline holds the logical point; 0 for none.
int LabelBoxAt(const TextBoxTable& boxes, plat::Point logical);

// The place table of a label drawn with `kind_word`: the point loads', the line loads' (4), or
// the shown diagram's for the diagrams' labels; nullptr for the labels without a table (1).
LabelPositionTable* LabelTableOf(LabelTables& labels, const PictureRequest& request, int kind_word);

// Entry `tag` of the table moved by (dx, dz) world units from where it is remembered (or from
// `drawn` when it has no place yet) and marked as placed; false for a tag outside the table.
bool MoveLabel(LabelPositionTable& table, int tag, WorldPoint drawn, float dx, float dz);

}  // namespace revuzavi
