#pragma once
// The strain energies of the elements for the load case in work, from their end displacements:
// ENERGIES<lc><ext> holds m + 1 floats, entry e the energy of element e and entry 0 the largest
// one above 0 (else 0); ENERGIES<lc>.TXT lists them.
#include <string>
#include <vector>

#include "Quon/run/run.h"

namespace zedir {

// 0.5 q^T K q with q the six end displacements of element e in global axes.
double ElementEnergy(const Run& run, int e);

// Fills run.energies and writes both files (one that cannot be created is skipped); energies that
// are not all finite are not written (the caller reports the load case).
void WriteEnergies(Run& run);

// "%2i Energy = %.3E" for entry 0, then every element.
std::string EnergiesText(const std::vector<float>& energies);

}  // namespace zedir
