#include "geometry/check/kinematic_listings.h"

#include <charconv>
#include <cstddef>
#include <vector>

#include "common/fixed_text.h"
#include "geometry/model/dof_listing.h"
#include "geometry/model/model_files.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

// Rows of "<entry>  " with each entry fixed with two decimals in `width`,
// every row behind its head and followed by a blank line. A row is made in a
// buffer with room for its longest entries, then appended whole.
template <class Head>
std::string MatrixText(const mechanics::Matrix& k, int width, Head head) {
  const int n = k.size();
  const std::size_t columns = static_cast<std::size_t>(n);
  std::vector<char> row_text(32 + columns * (common::kFixedTextRoom + 2));
  std::string text;
  text.reserve(columns * columns * 7);  // "0.00  " and a little more on average
  for (int i = 1; i <= n; ++i) {
    char* p = head(row_text.data(), i);
    const double* row = k.row(i);
    for (int j = 1; j <= n; ++j) {
      p = common::FormatFixed(p, row[j], 2, width);
      *p++ = ' ';
      *p++ = ' ';
    }
    *p++ = '\n';
    *p++ = '\n';
    text.append(row_text.data(), static_cast<std::size_t>(p - row_text.data()));
  }
  return text;
}

void WriteEndMotion(plat::TextWriter& out, const char* head, const EndMotion& m) {
  out.Printf("%s u = %.2lf v = %.2lf phi = %.2lf \n", head, m.u, m.v, m.phi);
}

}  // namespace

std::string StiffnessListingText(const mechanics::Matrix& k) {
  return MatrixText(k, 0, [](char* p, int i) {
    p = std::to_chars(p, p + 16, i).ptr;  // the buffer has 32 characters for the head
    *p++ = ':';
    *p++ = ' ';
    return p;
  });
}

std::string EchelonListingText(const mechanics::Matrix& k) {
  return MatrixText(k, 5, [](char* p, int) { return p; });
}

void WriteListing(const std::string& path, const std::string& text, CheckReport& report) {
  plat::TextWriter out;
  if (!out.Open(path)) {
    report.Show(CannotStore(path));
    return;
  }
  out.Write(text);
  if (!out.Close()) report.Show(CannotStore(path));
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
