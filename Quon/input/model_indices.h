#pragma once
// The indices of the model checked before anything is computed with them: node,
// material and cross-section numbers of the elements, equation numbers of nodes
// and elements, node numbers of the supports.
#include <string>

#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// Success, or an input error naming the file, the record and the index; an
// element without a length greater than 0 marks ELEMENTS as damaged.
common::Result CheckModelIndices(const Run& run);

// The node numbers of support records (of the geometry or of a load case's
// settlements), read from `path`.
common::Result CheckSupportNodes(const std::string& path, const common::NodeRefTable& supports, int node_count);

// Whether `value` lies in 1..count.
inline bool InRange(long long value, int count) { return value >= 1 && value <= count; }

}  // namespace zedir
