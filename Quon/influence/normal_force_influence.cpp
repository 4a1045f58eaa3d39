#include "Quon/influence/normal_force_influence.h"

#include <cmath>

#include "Quon/elements/element_data.h"
#include "Quon/influence/influence_terms.h"
#include "common/printf_text.h"

namespace zedir {

using common::AppendPrintf;

NormalForceTerms NormalForceTermsOf(const Run& run, int e) {
  const ElementData d = GatherElementData(run, e);
  NormalForceTerms t;
  t.cosine = static_cast<float>(d.c);
  t.sine = static_cast<float>(d.s);
  t.ua = static_cast<float>(d.axial_a);
  t.ub = static_cast<float>(d.axial_b);
  t.urel = t.ub - t.ua;
  t.ea = static_cast<float>(d.ea);
  t.length = static_cast<float>(d.length);
  t.normal_force = t.urel / t.length * t.ea;
  t.vertical = std::fabs(t.cosine) <= 0.1f;
  t.dof_l = t.vertical ? d.dof_va : d.dof_ua;
  t.dof_r = t.vertical ? d.dof_vb : d.dof_ub;
  t.flex_r = static_cast<float>(InverseEntry(run, t.dof_r, t.dof_r));
  t.flex_l = static_cast<float>(InverseEntry(run, t.dof_l, t.dof_l));
  t.delta11s = static_cast<float>(InverseEntry(run, t.dof_r, t.dof_r) - InverseEntry(run, t.dof_l, t.dof_r));
  t.delta11e = t.length / (-0.5f * t.ea);
  t.fplus = GuardedQuotient(-t.urel, t.delta11s + t.delta11e);
  return t;
}

std::string NormalForceTrace(const Run& run, const std::vector<NormalForceTerms>& terms) {
  std::string text;
  const int m = static_cast<int>(terms.size());
  for (int e = 1; e <= m; ++e) {
    const NormalForceTerms& t = terms[static_cast<std::size_t>(e - 1)];
    const auto [a, b] = ElementNodesOf(run, e);
    AppendPrintf(text,
                 "Elm %2i tx = %.2lf ty = %.2lf nL = %i nR = %i uLocXA = %4.2lE uLocXB = %4.2lE urel = uB - uA = "
                 "%4.2lE  N = %4.2lf\n",
                 e, static_cast<double>(t.cosine), static_cast<double>(t.sine), a.node, b.node,
                 static_cast<double>(t.ua), static_cast<double>(t.ub), static_cast<double>(t.urel),
                 static_cast<double>(t.normal_force));
    AppendPrintf(text, "NodeA = %i dofs %i, %i, %i, NodeB = %i dofs %i, %i, %i,\n", a.node, a.u, a.v, a.rotation,
                 b.node, b.u, b.v, b.rotation);
    const char* format = t.vertical ? "Vertical dofR = %i  dofL = %i  flexR = %8.5lE  flexL = %8.5lE EA/l = %8.2lE\n\n"
                                    : "Horizontal dofR = %i  dofL = %i  flexR = %8.2lE  flexL = %8.2lE EA/l = %8.2lE\n\n";
    AppendPrintf(text, format, t.dof_r, t.dof_l, static_cast<double>(t.flex_r), static_cast<double>(t.flex_l),
                 static_cast<double>(t.ea / t.length));
    AppendPrintf(text, "EA = %.2lE delta10 = %.3lE   delta11E = %.3lE  delta11S = %.3lE  fplus = %.2lE\n\n",
                 static_cast<double>(t.ea), static_cast<double>(t.urel), static_cast<double>(t.delta11e),
                 static_cast<double>(t.delta11s), static_cast<double>(t.fplus));
  }
  for (int e = 1; e <= m; ++e) {
    AppendPrintf(text, "Element %2i fplus = %10.2lf\n", e, static_cast<double>(terms[static_cast<std::size_t>(e - 1)].fplus));
  }
  return text;
}

common::Result NormalForceInfluence(const Run& run) {
  const int m = run.elements.count();
  std::vector<NormalForceTerms> terms;
  terms.reserve(static_cast<std::size_t>(m));
  std::vector<double> fplus;
  fplus.reserve(static_cast<std::size_t>(m));
  for (int e = 1; e <= m; ++e) {
    terms.push_back(NormalForceTermsOf(run, e));
    fplus.push_back(static_cast<double>(terms.back().fplus));
  }
  return WriteInfluenceFiles(run, kNormalForceTraceFile, NormalForceTrace(run, terms), kNormalForceInfluenceFile, fplus);
}

}  // namespace zedir
