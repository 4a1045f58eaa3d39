#pragma once
// The load echo text ECHO_L<ext>.TXT: one entry per load case, the readable
// master copy of the load cases.
#include "common/result.h"
#include "loads/model/load_model.h"
#include "platform/text_file.h"

namespace pundf {

// Appends the entry of the current load case, numbered `number`, to the open
// echo text. The entry format is not written yet: the text keeps its header.
void WriteLoadEchoCase(plat::TextWriter& file, const LoadModel& model, int number);

// Rewrites the echo text with the current load case's entry in place of the
// entry of `number`, which ends where the entry of `following` begins (0: at
// the end). Not written yet: the echo text stays as it is.
common::Result ReplaceLoadEchoCase(const LoadModel& model, int number, int following);

}  // namespace pundf
