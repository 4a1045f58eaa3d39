#pragma once
// The result page of the load case in work: the forces and reactions at the supports with their
// sums, then for every element its ends and 51 lines of x, w, u, N, M and V.
#include <string>
#include <vector>

#include "Quon/run/run.h"
#include "mechanics/sample_lines.h"
#include "platform/text_block.h"

namespace zedir {

// The curve of element e with the given letter ('U', 'W', 'N', 'M', 'V') as its file holds it: the
// one in memory when this pass wrote the file, else the file's values; 0 everywhere when the file
// cannot be read.
mechanics::SampleLine ListedCurve(const Run& run, int e, char letter);

// The page in parts, lines ended by CR LF: the head with the supports, then one part per element.
// Works from the run's nodal forces, support reactions and element results.
std::vector<plat::TextBlock> ResultPageParts(const Run& run);

// The page of the nodal displacements of the load case in work, by node.
std::string DisplacementPageText(const Run& run);

}  // namespace zedir
