#include "graphics/reanalysis/run_files.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/records/point_load_record.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace revuzavi {
namespace {

void Append(std::vector<std::byte>& bytes, const void* data, std::size_t size) {
  const std::size_t at = bytes.size();
  bytes.resize(at + size);
  std::memcpy(bytes.data() + at, data, size);
}

void AppendInt(std::vector<std::byte>& bytes, std::int32_t value) { Append(bytes, &value, sizeof value); }

// The three loads of one end: x, y and z of the point, forces fx and fy, moment m.
void AppendEnd(std::vector<std::byte>& bytes, int element, float x, float y, float z, const double* f) {
  for (int k = 0; k < 3; ++k) {
    common::PointLoadRecord load;
    load.set_x(x);
    load.set_y(y);
    load.set_z(z);
    load.set_element(static_cast<std::int16_t>(element));
    const float value = static_cast<float>(f[k]);
    if (k == 2) {
      // A moment holds its value in both fields, as a load case's moments do (the picture draws byte 40).
      load.set_kind(common::PointLoadRecord::kMoment);
      load.set_value(value);
      load.set_kind_value(value);
    } else {
      load.set_kind(common::PointLoadRecord::kForce);
      load.set_direction(k == 0 ? 'X' : 'Y');
      load.set_value(value);
      if (k == 0) load.set_force_x(value);
      if (k == 1) load.set_force_y(value);
    }
    Append(bytes, load.bytes().data(), common::PointLoadRecord::kSize);
  }
}

}  // namespace

bool WritePicked(const ViewerState& state, const PickList& elements) {
  std::vector<std::byte> bytes;
  for (int e : elements.items()) {
    if (e < 1 || e > state.elements.count()) continue;
    AppendInt(bytes, e);
    Append(bytes, state.elements[e].bytes().data(), common::ElementRecord::kSize);
  }
  return plat::WriteBlock(state.position.FolderFile(kPickedFile), bytes.data(), bytes.size());
}

bool WritePickedNodes(const ViewerState& state, const PickList& nodes) {
  std::vector<std::byte> bytes;
  for (int k : nodes.items()) AppendInt(bytes, k);
  return plat::WriteBlock(state.position.FolderFile(kPickedNodesFile), bytes.data(), bytes.size());
}

bool WriteForcesFPlus(const ViewerState& state, const Modification& modification) {
  std::vector<std::byte> bytes;
  AppendInt(bytes, static_cast<std::int32_t>(6 * modification.elements.size()));
  for (const ModifiedElement& e : modification.elements) {
    std::array<double, 6> f = EndForces(e.k, EndDisplacements(state.displacements, e.dofs));
    for (double& value : f) value *= -e.q;
    const common::ElementRecord& record = state.elements[e.element];
    AppendEnd(bytes, e.element, record.xa(), record.ya(), record.za(), f.data());
    AppendEnd(bytes, e.element, record.xb(), record.yb(), record.zb(), f.data() + 3);
  }
  return plat::WriteBlock(state.position.FolderFile(kForcesFPlusFile), bytes.data(), bytes.size());
}

bool WriteIterationErrors(const ViewerState& state, int iterations, double first_error, double last_error) {
  char text[200];
  if (std::isfinite(last_error)) {
    std::snprintf(text, sizeof text,
                  "Iteration  = 0   at start error was %7.3E\nIterations = %i  last error less than %7.3E\n",
                  first_error, iterations, last_error);
  } else {
    std::snprintf(text, sizeof text,
                  "Iteration  = 0   at start error was %7.3E\nIterations = %i  no error bound: the changes do not "
                  "shrink\n",
                  first_error, iterations);
  }
  return plat::WriteTextFile(state.position.FolderFile(kIterationErrorFile), text);
}

}  // namespace revuzavi
