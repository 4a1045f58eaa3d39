#include "geometry/check/kinematic_listings.h"

#include <charconv>
#include <cstddef>
#include <cstring>

#include "common/fixed_text.h"
#include "geometry/model/dof_listing.h"
#include "geometry/model/model_files.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

// Rows of "<entry>  " with each entry fixed with two decimals in `width`, every row behind its
// head and followed by a blank line, formatted straight into the block (lines ended by CR LF).
template <class Head>
void AppendMatrix(plat::TextBlock& block, const mechanics::Matrix& k, int width, Head head) {
  const int n = k.size();
  const std::size_t columns = static_cast<std::size_t>(n);
  const std::size_t row_room = 32 + columns * (common::kFixedTextRoom + 2) + 4;
  block.Room(columns * (columns * 6 + 16) + row_room);  // "0.00  " and a little more on average
  for (int i = 1; i <= n; ++i) {
    char* p = head(block.Room(row_room), i);
    const double* row = k.row(i);
    for (int j = 1; j <= n; ++j) {
      p = common::FormatFixed(p, row[j], 2, width);
      *p++ = ' ';
      *p++ = ' ';
    }
    std::memcpy(p, "\r\n\r\n", 4);
    block.Commit(p + 4);
  }
}

void WriteEndMotion(plat::TextWriter& out, const char* head, const EndMotion& m) {
  out.Printf("%s u = %.2lf v = %.2lf phi = %.2lf \n", head, m.u, m.v, m.phi);
}

}  // namespace

void AppendStiffnessListing(plat::TextBlock& block, const mechanics::Matrix& k) {
  AppendMatrix(block, k, 0, [](char* p, int i) {
    p = std::to_chars(p, p + 16, i).ptr;  // the row's room has 32 characters for the head
    *p++ = ':';
    *p++ = ' ';
    return p;
  });
}

void AppendEchelonListing(plat::TextBlock& block, const mechanics::Matrix& k) {
  AppendMatrix(block, k, 5, [](char* p, int) { return p; });
}

void WriteListing(const std::string& path, const plat::TextBlock& block, CheckReport& report) {
  if (!block.WriteTo(path)) report.Show(CannotStore(path));
}

void WriteMechanismListing(const std::string& path, const FrameModel& model, int column,
                           const mechanics::Vector& mechanism, const std::vector<ElementPole>& poles,
                           CheckReport& report) {
  plat::TextWriter out;
  if (!out.Open(path)) {
    report.Show(CannotStore(path));
    return;
  }
  out.Printf("First eigenvector, from column %i in the echelon matrix, entries are displacements of nodes\n", column);
  out.Write("\n");
  for (int r = 1; r <= mechanism.size(); ++r) out.Printf("%2i  %6.2lf\n", r, mechanism[r]);
  out.Write("\nPosition of Nodes, DOFs \n\n");
  for (const common::NodeRecord& node : model.nodes.used()) WriteNodeDofs(out, "Node", node);
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    WriteElementHead(out, e, element);
    out.Write("\n");
    WriteElementEndDofs(out, element);
    WriteEndMotion(out, "Node left ", MotionOfEnd(mechanism, element, 1));
    WriteEndMotion(out, "Node right", MotionOfEnd(mechanism, element, 2));
    if (static_cast<std::size_t>(e) <= poles.size()) out.Write(PoleLine(poles[static_cast<std::size_t>(e) - 1]));
    out.Write("\n");
  }
  WriteDofTotals(out, model);
  out.Write("\n");
  if (!out.Close()) report.Show(CannotStore(path));
}

}  // namespace kelmf
