#include "Quon/solution/inverse_file.h"

#include <cstdint>
#include <cstdio>
#include <new>

#include "Quon/run/messages.h"
#include "platform/files.h"

namespace zedir {

common::Result InverseMissing() {
  return common::Result::Fail(
      "The inverse stiffness matrix is not found. Click on the button Frame in the main menu and store the shape!",
      kFailureCaption);
}

common::Result ReadInverse(Run& run) {
  const int n = run.equation_count();
  const std::string path = run.position.File(kInverseFile);
  const std::size_t row_bytes = static_cast<std::size_t>(n) * sizeof(double);
  const auto size = plat::FileSize(path);
  if (!size || static_cast<std::uint64_t>(*size) != row_bytes * static_cast<std::size_t>(n)) {
    return Abandon(run, InverseMissing());
  }
  try {
    if (run.inverse.size() != n) run.inverse = mechanics::Matrix(n);
  } catch (const std::bad_alloc&) {
    return Abandon(run, common::Result::Fail("Beginning with column 1 (of a total of " + std::to_string(n) +
                                                 ") problems with internal memory.",
                                             kFailureCaption));
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return Abandon(run, InverseMissing());
  bool complete = true;
  for (int r = 1; r <= n && complete; ++r) {
    complete = std::fread(run.inverse.row(r) + 1, sizeof(double), static_cast<std::size_t>(n), file) ==
               static_cast<std::size_t>(n);
  }
  std::fclose(file);
  if (!complete) return Abandon(run, InverseMissing());
  return common::Result::Ok();
}

}  // namespace zedir
