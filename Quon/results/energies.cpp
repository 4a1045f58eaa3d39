#include "Quon/results/energies.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "Quon/elements/element_data.h"
#include "Quon/results/finite_results.h"
#include "Quon/results/result_files.h"
#include "mechanics/model/element_energy.h"
#include "Quon/run/messages.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {

double ElementEnergy(const Run& run, int e) {
  return mechanics::ElementEnergyOf(run.elements[e], run.nodes, run.materials, run.sections, run.displacements);
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

common::Result WriteEnergies(Run& run) {
  const int m = run.elements.count();
  run.energies.assign(static_cast<std::size_t>(m) + 1, 0.0f);
  float largest = 0.0f;
  for (int e = 1; e <= m; ++e) {
    const float energy = static_cast<float>(ElementEnergy(run, e));
    run.energies[static_cast<std::size_t>(e)] = energy;
    largest = std::max(largest, energy);
  }
  run.energies[0] = largest;
  if (!AllFinite(std::span<const float>(run.energies))) return ResultsNotFinite(run.load_case);
  const std::string values = run.position.LoadCaseFile(kEnergiesFile, run.load_case);
  if (!plat::WriteBlock(values, run.energies.data(), run.energies.size() * sizeof(float))) return CannotStore(values);
  const std::string text = run.position.FolderFile(std::string(kEnergiesFile) + run.load_case_text + ".TXT");
  return Stored(plat::WriteTextFile(text, EnergiesText(run.energies)), text);
}

}  // namespace zedir
