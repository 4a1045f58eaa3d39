#pragma once
// The developer listing of nodes, element ends and their equation numbers.
#include <string>
#include <string_view>

#include "common/records/element_record.h"
#include "common/records/node_record.h"
#include "geometry/model/frame_model.h"
#include "platform/text_file.h"

namespace kelmf {

// "<head> %i  x = %.2lf y = %.2lf zElements = %i dofsphi = %i dofstotal = %i",
// its "DofU", "DofV", one "DofPhi" per rotation and one "Element %i" per end
// met, then a blank line.
void WriteNodeDofs(plat::TextWriter& out, std::string_view head, const common::NodeRecord& node);

// "Element %i  Node L = %i  Node R = %i", without a line end.
void WriteElementHead(plat::TextWriter& out, int number, const common::ElementRecord& element);
// The lines "Left  dof u = ..." and "Right dof u = ...".
void WriteElementEndDofs(plat::TextWriter& out, const common::ElementRecord& element);

// "Number of nodes = %i Number of elements = %i  Number of equations = %i".
void WriteDofTotals(plat::TextWriter& out, const FrameModel& model);

// ELEMENTSNODES.TXT: every node, every element with its direction terms, the totals.
void WriteElementsNodesListing(const std::string& path, const FrameModel& model);

}  // namespace kelmf
