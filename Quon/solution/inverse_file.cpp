#include "Quon/solution/inverse_file.h"

#include <cmath>
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
  if (!size) return Abandon(run, InverseMissing());
  const std::uint64_t expected = row_bytes * static_cast<std::size_t>(n);
  if (static_cast<std::uint64_t>(*size) != expected) {
    return Abandon(run, FileDamaged(path, "it holds " + std::to_string(*size) + " bytes, the " + std::to_string(n) +
                                              " equations need " + std::to_string(expected)));
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
  if (!complete) return Abandon(run, FileDamaged(path, "it cannot be read whole"));
  for (int r = 1; r <= n; ++r) {
    const double* row = run.inverse.row(r) + 1;
    for (int c = 0; c < n; ++c) {
      if (!std::isfinite(row[c])) return Abandon(run, FileDamaged(path, "it holds a value that is not finite"));
    }
  }
  return common::Result::Ok();
}

}  // namespace zedir
