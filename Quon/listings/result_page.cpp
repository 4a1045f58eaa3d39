#include "Quon/listings/result_page.h"

#include <array>
#include <cmath>
#include <cstring>

#include "Quon/elements/node_rotation.h"
#include "Quon/results/result_files.h"
#include "Quon/results/writer_threads.h"
#include "Quon/run/equation_listing.h"
#include "common/fixed_text.h"
#include "common/printf_text.h"
#include "platform/binary_io.h"

namespace zedir {

using common::AppendPrintf;
namespace {

const mechanics::SampleLine* CurveInMemory(const Run& run, int e, char letter) {
  if (e < 1 || static_cast<std::size_t>(e) >= run.element_results.size()) return nullptr;
  const ElementResult& r = run.element_results[static_cast<std::size_t>(e)];
  switch (letter) {
    case 'U': return r.written.u ? &r.u : nullptr;
    case 'W': return r.written.w ? &r.w : nullptr;
    case 'N': return r.written.n ? &r.n : nullptr;
    case 'M': return r.written.m ? &r.m : nullptr;
    case 'V': return r.written.v ? &r.v : nullptr;
    default: return nullptr;
  }
}

double EntryOf(const std::vector<float>& values, int d) {
  return d >= 1 && static_cast<std::size_t>(d) < values.size() ? static_cast<double>(values[static_cast<std::size_t>(d)])
                                                                 : 0.0;
}

double EntryOf(const mechanics::Vector& values, int d) { return d >= 1 && d <= values.size() ? values[d] : 0.0; }

// The forces and reactions at every support record's node, then their sums. A negative support
// value counts as its absolute value, as in the stiffness.
void AppendSupports(const Run& run, std::string& text) {
  const std::vector<float>& reactions = run.support_reactions;
  double sum_x = 0.0, sum_y = 0.0, sum_m = 0.0;
  for (const common::NodeRefRecord& support : run.supports.used()) {
    const int p = support.node();
    if (p < 1 || p > run.nodes.count()) continue;
    const common::NodeRecord& node = run.nodes[p];
    if (std::fabs(node.support(1)) > 0.0f) {
      const double reaction = EntryOf(reactions, node.dof_u());
      AppendPrintf(text, "Node %2i Force X = %8.2lf kN   Support Reaction X = %8.2lf kN\n", p,
                   EntryOf(run.nodal_forces, node.dof_u()), reaction);
      sum_x += reaction;
    }
    if (std::fabs(node.support(2)) > 0.0f) {
      const double reaction = EntryOf(reactions, node.dof_v());
      AppendPrintf(text, "Node %2i Force Y = %8.2lf kN   Support Reaction Y = %8.2lf kN\n", p, reaction, reaction);
      sum_y += reaction;
    }
    if (std::fabs(node.support(3)) > 0.0f) {
      const double reaction = EntryOf(reactions, NodeRotation(node));
      AppendPrintf(text, "Node %2i  Moment = %8.2lf kNm\n\n", p, reaction);
      sum_m += reaction;
    }
    text += "\n";
  }
  AppendPrintf(text, "Sum X = %.2lf  Sum Y = %.2lf  Sum of moments at supports = %.2lf\n\n", sum_x, sum_y, sum_m);
}

char* Put(char* out, const char* literal) {
  const std::size_t length = std::strlen(literal);
  std::memcpy(out, literal, length);
  return out + length;
}

// "%3i x = %5.2lf  w = %8.5lf [mm]  u = %8.5lf [mm]  N = %7.2lf kN  M = %7.2f kNm  V = %7.2lf kN",
// ended by CR LF.
constexpr std::size_t kSampleLineRoom = 8 * common::kFixedTextRoom;  // seven numbers of any size

void AppendSampleLine(plat::TextBlock& text, int i, double x, double w, double u, double n, double m, double v) {
  char* p = common::FormatFixed(text.Room(kSampleLineRoom), i, 0, 3);
  p = common::FormatFixed(Put(p, " x = "), x, 2, 5);
  p = common::FormatFixed(Put(p, "  w = "), w, 5, 8);
  p = common::FormatFixed(Put(p, " [mm]  u = "), u, 5, 8);
  p = common::FormatFixed(Put(p, " [mm]  N = "), n, 2, 7);
  p = common::FormatFixed(Put(p, " kN  M = "), m, 2, 7);
  p = common::FormatFixed(Put(p, " kNm  V = "), v, 2, 7);
  text.Commit(Put(p, " kN\r\n"));
}

void AppendElement(const Run& run, int e, plat::TextBlock& text) {
  const common::ElementRecord& element = run.elements[e];
  const double l = element.length();
  // Room for the usual lines of about a hundred characters and the largest next one, so that
  // the part is not moved while it grows.
  text.Room(256 + mechanics::kSamples * 128 + kSampleLineRoom);
  std::string head;
  AppendPrintf(head, "Element %i between nodes %i and %i, from point %.2f, %.2f up to point %.2f, %.2f, length = %.2f m\n\n",
               e, element.node_a(), element.node_b(), static_cast<double>(element.xa()),
               static_cast<double>(element.za()), static_cast<double>(element.xb()), static_cast<double>(element.zb()), l);
  text.Append(head);
  const mechanics::SampleLine u = ListedCurve(run, e, 'U');
  const mechanics::SampleLine w = ListedCurve(run, e, 'W');
  const mechanics::SampleLine n = ListedCurve(run, e, 'N');
  const mechanics::SampleLine m = ListedCurve(run, e, 'M');
  const mechanics::SampleLine v = ListedCurve(run, e, 'V');
  for (int i = 1; i <= mechanics::kSamples; ++i) {
    AppendSampleLine(text, i, mechanics::SampleX(i, l), static_cast<double>(w(i)) * 1000.0,
                     static_cast<double>(u(i)) * 1000.0, n(i), m(i), v(i));
  }
  text.Append("\n");
}

}  // namespace

mechanics::SampleLine ListedCurve(const Run& run, int e, char letter) {
  if (const mechanics::SampleLine* kept = CurveInMemory(run, e, letter)) return *kept;
  mechanics::SampleLine line;
  std::array<float, mechanics::kSamples> values{};
  if (plat::ReadBlock(CurveFile(run, letter, e), values.data(), sizeof values)) {
    for (int i = 1; i <= mechanics::kSamples; ++i) line(i) = values[static_cast<std::size_t>(i - 1)];
  }
  return line;
}

std::vector<plat::TextBlock> ResultPageParts(const Run& run) {
  // The elements' parts of the page are made side by side, behind the head.
  std::vector<plat::TextBlock> parts = TextParts(run.elements.count() + 1, [&run](int k, plat::TextBlock& part) {
    if (k > 1) {
      AppendElement(run, k - 1, part);
      return;
    }
    std::string head;
    AppendPrintf(head, "LC %i\n\n", run.load_case);
    AppendPrintf(head, "Nodal forces and support reaction in load case %i\n\n", run.load_case);
    AppendSupports(run, head);
    part.Append(head);
  });
  return parts;
}

std::string DisplacementPageText(const Run& run) {
  std::string text;
  AppendPrintf(text, "LC %i\n\n", run.load_case);
  AppendPrintf(text, "Nodal displacements u, v, tan phi in load case %i\n\n", run.load_case);
  text += DisplacementsOfNodes(run.displacements, run.equation_count(), run.nodes);
  text += "\n";
  return text;
}

}  // namespace zedir
