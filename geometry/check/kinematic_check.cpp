#include "geometry/check/kinematic_check.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "geometry/check/echelon_form.h"
#include "geometry/check/element_pole.h"
#include "geometry/check/kinematic_listings.h"
#include "geometry/check/matrix_files.h"
#include "platform/files.h"

namespace kelmf {
namespace {

// Where the element's node lies; an element whose node number lies outside
// the node table takes its own end's coordinates (the same point once the
// nodes are rebuilt).
EndPoint NodePoint(const FrameModel& model, int node, float x, float z) {
  if (node >= 1 && node <= model.nodes.count()) return {model.nodes[node].x(), model.nodes[node].z()};
  return {x, z};
}

// The poles of elements 1..count; one at infinity keeps the coordinates the
// table held.
std::vector<ElementPole> FindPoles(const FrameModel& model, const mechanics::Vector& u) {
  std::vector<ElementPole> found;
  found.reserve(static_cast<std::size_t>(model.elements.count()));
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    const Pole former = e <= PoleTable::kCapacity ? model.kinematics.poles[e] : Pole{};
    found.push_back(FindPole(MotionOfEnd(u, element, 1), MotionOfEnd(u, element, 2),
                             NodePoint(model, element.node_a(), element.xa(), element.za()),
                             NodePoint(model, element.node_b(), element.xb(), element.zb()), former));
  }
  return found;
}

PoleTable PoleTableOf(const std::vector<ElementPole>& found) {
  PoleTable table;
  const int count = static_cast<int>(std::min<std::size_t>(found.size(), PoleTable::kCapacity));
  table.SetCount(count);
  for (int e = 1; e <= count; ++e) table[e] = found[static_cast<std::size_t>(e) - 1].pole;
  return table;
}

}  // namespace

KinematicResult KinematicCheck(FrameModel& model, const common::Position& position, const mechanics::Matrix& k,
                               CheckReport& report) {
  KinematicResult result;
  const common::Result saved = WriteMatrixFile(position, kKinematicSaveFile, k);
  if (!saved.ok()) {
    report.Show(saved);
    report.end_program = true;
    model.kinematics = result;
    return result;
  }
  plat::TextBlock listing;  // one buffer for the three listings
  AppendStiffnessListing(listing, k);
  WriteListing(position.FolderFile(kStiffnessListing), listing, report);
  mechanics::Matrix m = k;
  ForwardEliminate(m);
  listing.Clear();
  AppendEchelonListing(listing, m);
  WriteListing(position.FolderFile(kTriangularListing), listing, report);
  BackEliminate(m);
  const int free_rows = NormaliseRows(m);
  listing.Clear();
  AppendEchelonListing(listing, m);
  WriteListing(position.FolderFile(kEchelonListing), listing, report);

  const std::string mechanism_listing = position.FolderFile(kMechanismListing);
  if (free_rows > 0) {
    result.column = MechanismColumn(m);
    result.mechanism = MechanismVector(m, result.column);
    const std::vector<ElementPole> poles = FindPoles(model, result.mechanism);
    result.poles = PoleTableOf(poles);
    WriteMechanismListing(mechanism_listing, model, result.column, result.mechanism, poles, report);
  } else {
    plat::RemoveFile(mechanism_listing);  // it would describe a frame that is gone
  }
  plat::RemoveFile(position.File(kKinematicSaveFile));
  model.kinematics = result;
  return result;
}

}  // namespace kelmf
