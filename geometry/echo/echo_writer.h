#pragma once
// The geometry echo text: the readable master copy of a position's frame.
#include <string>
#include <string_view>

#include "geometry/model/frame_model.h"
#include "platform/text_file.h"

namespace kelmf {

// A title that is empty or blank becomes "Position <name>", in the model too;
// returns the title to write.
std::string SettleTitle(FrameModel& model, std::string_view position_name);

// The sections in their fixed order: TITEL and the title line, MATERIAL,
// CROSSECTIONS, ELEMENTS, NODES and SUPPORTS, each keyword with its count line
// and one line per record, and the PARABOLA line when the parabola input has
// elements. Each data line holds exactly its section's number of fields; the
// last two of an element line are its compression and tension flags. Support
// values are written with six decimals, a value whose flag is 0 as 0. Sets the
// single-support byte (671) of FrameParams and settles a blank title.
void WriteEchoSections(plat::TextWriter& out, FrameModel& model, std::string_view position_name);

// The bytes WriteEchoSections gives for the model (its lines ended by CR LF),
// the model itself left as it is.
std::string EchoTextOf(const FrameModel& model, std::string_view position_name);

}  // namespace kelmf
