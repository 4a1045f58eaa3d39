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

// Fills run.energies and writes both files; the first that cannot be stored is
// reported. Energies that are not all finite are reported (ResultsNotFinite)
// and not written.
common::Result WriteEnergies(Run& run);

// "%2i Energy = %.3E" for entry 0, then every element.
std::string EnergiesText(const std::vector<float>& energies);

}  // namespace zedir
