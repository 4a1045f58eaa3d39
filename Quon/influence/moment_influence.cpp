#include "Quon/influence/moment_influence.h"

#include <cmath>

#include "Quon/elements/element_data.h"
#include "Quon/influence/influence_terms.h"
#include "common/printf_text.h"

namespace zedir {

using common::AppendPrintf;

EndMomentTerms EndMomentTermsOf(const Run& run, int e) {
  const ElementData d = GatherElementData(run, e);
  const auto [a, b] = ElementNodesOf(run, e);
  const float l = static_cast<float>(d.length);
  const float ei = static_cast<float>(d.ei);
  EndMomentTerms t;
  t.phi_a = static_cast<float>(d.rotation_a);
  t.phi_b = static_cast<float>(d.rotation_b);
  t.fa = l * (1.0f / 3.0f) / ei;
  t.fb = l * (-1.0f / 6.0f) / ei;
  const int ra = a.rotation, rb = b.rotation;
  // Columns rA, rB, yA, yB in turn.
  float s_aa = static_cast<float>(InverseEntry(run, ra, ra));
  float s_bb = static_cast<float>(InverseEntry(run, rb, rb));
  float s_ab = static_cast<float>(InverseEntry(run, rb, ra));
  s_aa = static_cast<float>(s_aa - InverseEntry(run, a.v, ra) / l);
  s_ab = static_cast<float>(s_ab + InverseEntry(run, a.v, ra) / l);
  s_bb = static_cast<float>(s_bb + InverseEntry(run, a.v, rb) / l);
  t.f11 = static_cast<float>(s_aa - InverseEntry(run, b.v, ra) / l + t.fa);
  t.f12 = static_cast<float>(s_ab + InverseEntry(run, b.v, ra) / l + t.fb);
  t.f22 = static_cast<float>(s_bb + InverseEntry(run, b.v, rb) / l + t.fa);
  t.det = t.f11 * t.f22 - t.f12 * t.f12;
  // A singular system (det 0) has no end moments: both stay 0.
  if (std::isfinite(t.det) && t.det != 0.0f) {
    t.x1 = GuardedQuotient(t.f22 * t.phi_a - t.f12 * t.phi_b, t.det);
    t.x2 = GuardedQuotient(t.f11 * t.phi_b - t.f12 * t.phi_a, t.det);
  }
  return t;
}

std::string EndMomentTrace(const Run& run, const std::vector<EndMomentTerms>& terms) {
  std::string text;
  const int m = static_cast<int>(terms.size());
  for (int e = 1; e <= m; ++e) {
    const EndMomentTerms& t = terms[static_cast<std::size_t>(e - 1)];
    const auto [a, b] = ElementNodesOf(run, e);
    AppendPrintf(text, "Elm %2i A = %i dofs %i, %i, %i, B = %i dofs %i, %i, %i rotA = %.2lE rotB = %.2lE\n", e,
                 a.node, a.u, a.v, a.rotation, b.node, b.u, b.v, b.rotation, static_cast<double>(t.phi_a),
                 static_cast<double>(t.phi_b));
    AppendPrintf(text, "X1 = %4.2lE X2 = %4.2lE\n\n", static_cast<double>(t.x1), static_cast<double>(t.x2));
  }
  for (int e = 1; e <= m; ++e) {
    const EndMomentTerms& t = terms[static_cast<std::size_t>(e - 1)];
    AppendPrintf(text, "Element %2i M1 = %4.2lE  M2 = %4.2lE\n", e, static_cast<double>(t.x1), static_cast<double>(t.x2));
  }
  return text;
}

common::Result MomentInfluence(const Run& run) {
  const int m = run.elements.count();
  std::vector<EndMomentTerms> terms;
  terms.reserve(static_cast<std::size_t>(m));
  std::vector<double> moments;
  moments.reserve(2 * static_cast<std::size_t>(m));
  for (int e = 1; e <= m; ++e) {
    terms.push_back(EndMomentTermsOf(run, e));
    moments.push_back(static_cast<double>(terms.back().x1));
    moments.push_back(static_cast<double>(terms.back().x2));
  }
  return WriteInfluenceFiles(run, kEndMomentTraceFile, EndMomentTrace(run, terms), kEndMomentInfluenceFile, moments);
}

}  // namespace zedir
