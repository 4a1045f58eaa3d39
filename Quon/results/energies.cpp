#include "Quon/results/energies.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "Quon/elements/element_data.h"
#include "Quon/results/finite_results.h"
#include "Quon/results/result_files.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {

double ElementEnergy(const Run& run, int e) {
  const mechanics::ElementMatrix k = ElementStiffnessOf(run, e);
  const std::array<int, 6> equations = ElementEquations(run, e);
  std::array<double, 7> q{};  // 1-based like the element matrix
  for (std::size_t i = 1; i <= 6; ++i) q[i] = run.displacements[static_cast<std::size_t>(equations[i - 1])];
  double energy = 0.0;
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) energy += q[static_cast<std::size_t>(i)] * k(i, j) * q[static_cast<std::size_t>(j)];
  }
  return 0.5 * energy;
}

std::string EnergiesText(const std::vector<float>& energies) {
  std::string text;
  char line[64];
  for (std::size_t e = 0; e < energies.size(); ++e) {
    std::snprintf(line, sizeof line, "%2i Energy = %.3E\n", static_cast<int>(e), static_cast<double>(energies[e]));
    text += line;
  }
  return text;
}

void WriteEnergies(Run& run) {
  const int m = run.elements.count();
  run.energies.assign(static_cast<std::size_t>(m) + 1, 0.0f);
  float largest = 0.0f;
  for (int e = 1; e <= m; ++e) {
    const float energy = static_cast<float>(ElementEnergy(run, e));
    run.energies[static_cast<std::size_t>(e)] = energy;
    largest = std::max(largest, energy);
  }
  run.energies[0] = largest;
  if (!AllFinite(std::span<const float>(run.energies))) return;  // the caller reports the load case
  plat::WriteBlock(run.position.LoadCaseFile(kEnergiesFile, run.load_case), run.energies.data(),
                   run.energies.size() * sizeof(float));
  plat::WriteTextFile(run.position.FolderFile(std::string(kEnergiesFile) + run.load_case_text + ".TXT"),
                      EnergiesText(run.energies));
}

}  // namespace zedir
