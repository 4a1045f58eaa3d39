#include "Quon/solution/inverse_file.h"

#include <cstring>
#include <new>

#include "Quon/run/messages.h"
#include "platform/binary_io.h"

namespace zedir {

common::Result InverseMissing() {
  return common::Result::Fail(
      "The inverse stiffness matrix is not found. Click on the button Frame in the main menu and store the shape!",
      kFailureCaption);
}

common::Result ReadInverse(Run& run) {
  const int n = run.equation_count();
  const std::size_t row_bytes = static_cast<std::size_t>(n) * sizeof(double);
  auto bytes = plat::ReadWholeFile(run.position.File(kInverseFile));
  if (!bytes || bytes->size() != row_bytes * static_cast<std::size_t>(n)) return Abandon(run, InverseMissing());
  try {
    if (run.inverse.size() != n) run.inverse = mechanics::Matrix(n);
  } catch (const std::bad_alloc&) {
    return Abandon(run, common::Result::Fail("Beginning with column 1 (of a total of " + std::to_string(n) +
                                                 ") problems with internal memory.",
                                             kFailureCaption));
  }
  for (int r = 1; r <= n; ++r) {
    std::memcpy(run.inverse.row(r) + 1, bytes->data() + static_cast<std::size_t>(r - 1) * row_bytes, row_bytes);
  }
  return common::Result::Ok();
}

}  // namespace zedir
