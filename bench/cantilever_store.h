#pragma once
// The Store of the largest frame in the geometry input: 100 separate cantilevers of one 4 m
// element, 200 nodes, 600 equations, clamped at their feet. A Store writes the drawing extents,
// rebuilds the nodes with their files, writes the echo text with PARAMR, DOFSK and ELEMENTS, then
// runs the model check and the inversion with all their files (21.8 MB in all).
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "common/position/model_defaults.h"
#include "common/position/position.h"
#include "geometry/check/flexibility_diagonal.h"
#include "geometry/echo/echo_file.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"

namespace bench {

inline kelmf::FrameModel Cantilevers() {
  kelmf::FrameModel model;
  common::ResetFrameParams(model.params);
  model.params.set_vertical_sign(-1);
  common::MaterialRecord material = common::DefaultMaterial();
  material.set_modulus(2e7f);
  model.materials.Append(material);
  common::CrossSectionRecord section = common::DefaultCrossSection();
  section.set_area(0.1f);
  section.set_inertia(0.001f);
  model.cross_sections.Append(section);
  constexpr int kCantilevers = 100;
  for (int c = 0; c < kCantilevers; ++c) {
    const float x = 2.0f * static_cast<float>(c);
    common::ElementRecord e;
    e.set_xa(x);
    e.set_xb(x);
    e.set_yb(4.0f);
    e.set_zb(-4.0f);
    e.set_material(1);
    e.set_cross_section(1);
    e.set_compression_flag(1);
    e.set_tension_flag(1);
    model.elements.Append(e);
  }
  model.params.set_element_count(kCantilevers);
  if (!kelmf::RebuildTopology(model).ok()) std::abort();
  for (common::NodeRecord& node : model.nodes.used()) {
    if (node.y() != 0.0f) continue;
    for (int d = 1; d <= 3; ++d) {
      node.set_support(d, 1.0f);
      node.set_support_flag(d, 1);
    }
  }
  return model;
}

// A position in a fresh folder below the system's temporary folder, with the model's cross
// sections stored (the node rebuild reads them); removed with the object.
class StorePosition {
 public:
  explicit StorePosition(const kelmf::FrameModel& model)
      : data_(std::filesystem::temp_directory_path() / ("store_bench_" + std::to_string(::getpid()))),
        position_((std::filesystem::create_directories(data_), data_.string()), ".1") {
    if (!common::EnsurePositionFolder(position_)) std::abort();
    if (!kelmf::StoreTable(position_.File("CROSS"), model.cross_sections).ok()) std::abort();
  }
  ~StorePosition() {
    std::error_code ignored;
    std::filesystem::remove_all(data_, ignored);
  }
  StorePosition(const StorePosition&) = delete;
  StorePosition& operator=(const StorePosition&) = delete;
  const common::Position& position() const { return position_; }

 private:
  std::filesystem::path data_;
  common::Position position_;
};

// One Store of `model` (a copy of the frame, changed as a Store changes it); false when it
// failed or did not find 600 equations.
inline bool Store(kelmf::FrameModel& model, const common::Position& position) {
  bool ok = kelmf::WriteDrawingExtents(model, position).ok();
  ok = kelmf::RebuildNodes(model, position).ok() && ok;
  ok = kelmf::WriteEchoFile(kelmf::EchoFilePath(position), model, position).ok() && ok;
  const kelmf::CheckReport report = kelmf::FlexibilityDiagonal(model, position);
  return ok && report.stored() && model.params.equation_count() == 600;
}

}  // namespace bench
