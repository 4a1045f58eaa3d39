#include "graphics/diagrams/eigenmode.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace revuzavi {
namespace {

constexpr const char* kCaption = "REVUZAVI";

// Doubles first..first + count - 1 (0-based) of the file; none when the file
// does not hold them all or one is not a number.
std::optional<std::vector<double>> ReadDoubles(const std::string& path, std::int64_t first, std::int64_t count) {
  const std::optional<std::int64_t> size = plat::FileSize(path);
  if (!size || first < 0 || count < 1 || (first + count) * static_cast<std::int64_t>(sizeof(double)) > *size) {
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  std::vector<double> values(static_cast<std::size_t>(count));
  if (!file.seekg(static_cast<std::streamoff>(first * static_cast<std::int64_t>(sizeof(double)))) ||
      !file.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(count * sizeof(double)))) {
    return std::nullopt;
  }
  for (double v : values) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  return values;
}

common::Result NotHeld(const std::string& path, int mode) {
  return common::Result::Fail("The file " + path + " does not hold mode " + std::to_string(mode) +
                                  " of this frame or is damaged.",
                              kCaption);
}

}  // namespace

common::Result ReadEigenmode(ViewerState& state, int mode, ModeValues& values) {
  const int n = state.equation_count();
  const std::string ev = state.position.File("EV");
  if (!plat::FileSize(ev)) {
    char text[1024];
    std::snprintf(text, sizeof text, "File %s not found. See manual for how to calculate eigenvectors with MatLab!",
                  ev.c_str());
    return common::Result::Fail(text, kCaption);
  }
  if (n < 1 || n >= kVectorSlots || mode < 1) return NotHeld(ev, mode);
  const std::optional<std::vector<double>> vector =
      ReadDoubles(ev, static_cast<std::int64_t>(mode - 1) * n, static_cast<std::int64_t>(n));
  if (!vector) return NotHeld(ev, mode);
  const std::string eigv = state.position.File("EIGV");
  ModeValues read = values;
  if (plat::FileSize(eigv)) {
    const std::optional<std::vector<double>> own = ReadDoubles(eigv, mode - 1, 1);
    const std::optional<std::vector<double>> first = ReadDoubles(eigv, 0, 1);
    if (!own || !first) return NotHeld(eigv, mode);
    read.mode = (*own)[0];
    read.first = (*first)[0];
    if (const std::optional<std::vector<double>> last = ReadDoubles(eigv, n - 1, 1)) read.last = (*last)[0];
  }
  if (state.displacements.size() < static_cast<std::size_t>(n) + 1) state.displacements.resize(static_cast<std::size_t>(n) + 1);
  std::copy(vector->begin(), vector->end(), state.displacements.begin() + 1);
  state.foreign_field = true;
  values = read;
  return common::Result::Ok();
}

int DrawEigenmode(Canvas& c, const DeflectionOptions& o) {
  DeflectionOptions bare = o;
  bare.without_loads = true;
  bare.unit_dof = 0;
  bare.shape.curve_files = false;  // the files hold the load case's curves
  return DrawDeflectedShape(c, bare);
}

}  // namespace revuzavi
