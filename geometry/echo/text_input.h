#pragma once
// Rebuilding the model from the geometry echo text.
#include "common/echo/echo_text.h"
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Converts the classified lines (ReadEchoLines) into the model and writes
// "MATR", "CROSS", "ELEMENTS" (with EA and EI), "NODES" and "LKNOTENR" through
// a ModelFileWriter (a file that comes out as stored is left alone; the first
// that changes gives up the stored geometry):
// - the vertical-axis sign becomes -1, the angle convention 1; FrameParams 66
//   is cleared;
// - the line after TITLE or TITEL becomes the title;
// - MATERIAL (at most 20), CROSSECTIONS (at most 50): one record per line in
//   line order, in the slot's record (bytes without a column stay); a table
//   the text leaves empty gets the default record, a section the text lacks
//   leaves its table as it was;
// - ELEMENTS (at most 100) replace the elements; NODES (at most 200) give the
//   support values at their points; SUPPORTS (at most 100) the support
//   entries, each naming a node of the NODES section by its line number and
//   taking that node's values (its line holds more digits);
// - PARABOLA gives the parabola input (none without it);
// - the nodes are rebuilt from the element ends with the supports carried to
//   them, the element geometry is computed and the equations are numbered.
// Counts beyond the limits are cut without a message; a section ends at the
// next keyword line whatever its count says. Input errors, after which
// neither the model nor any file changes: a text without a single keyword
// line; a support entry whose node is not in the NODES section; an element
// whose ends lie within 1e-6 m (CheckElementLengths); an element whose
// material or cross section does not exist; a number that is not finite or
// does not fit a float (the line named); an element whose length, EA or EI
// does not fit a float; a failed node rebuild. A file that cannot be written
// is reported after all have been tried.
common::Result ConvertTextInput(FrameModel& model, const common::echo::EchoText& text,
                                const common::Position& position);

}  // namespace kelmf
