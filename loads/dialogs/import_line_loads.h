#pragma once
// Line loads from a text list: each line "x1 y1 x2 y2" (the records' x and y,
// as the echo text has them) becomes a 'Y' load of the given value on the
// element on whose axis both points lie.
#include <string>
#include <vector>

#include "loads/model/load_model.h"

namespace pundf {

struct ImportReport {
  int added = 0;
  std::vector<std::string> on_no_element;  // lines left out: unreadable or on no element
  int left_over = 0;                       // lines beyond the 100 line loads of a load case
};

// Appends to the current load case's line loads: the element whose axis both
// points lie on (within 0.05 m, between its ends; the lower number first), the
// stretch between them from its start, whole when it covers the element.
ImportReport ImportLineLoads(LoadModel& model, const std::vector<std::string>& lines, float value);

// The message about the lines left out; "" when none was.
std::string ImportMessage(const ImportReport& report);

}  // namespace pundf
