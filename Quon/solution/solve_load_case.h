#pragma once
// The displacements of the load case in work: u = K^-1 f with the stored inverse,
// written as UT8<lc><ext> (1001 doubles, entry i for equation i) and as the text
// MATH_SOL<lc>.TXT.
#include <string>
#include <vector>

#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/position/file_names.h"
#include "common/result.h"

namespace zedir {

inline constexpr const char* kDisplacementFile = common::file_names::kDisplacements;
inline constexpr const char* kSolutionTextFile = "MATH_SOL";

// Writes the state lines of the loads between element ends, reads INVERSE,
// builds the load vector, adds the forces of the settlements when the load case
// has them, and forms and writes the displacements. Displacements that are not
// all finite fail the load case before anything of its results is written. The notifier hears of each
// column of the settlement system once it is factored.
common::Result SolveLoadCase(Run& run, RunNotifier& notifier);
common::Result SolveLoadCase(Run& run);

// u[r] = sum over c of f[c] K^-1[r][c], in the order c = 1..n; entries beyond n are 0.
void MultiplyByInverse(const mechanics::Matrix& inverse, const mechanics::Vector& f, std::vector<double>& u);

// "Node 1", then "%i    %.4E" per equation, after every third an empty line and
// the next "Node %i".
std::string SolutionText(const std::vector<double>& u, int n);

}  // namespace zedir
