#pragma once
// How many threads a parallel loop of this library uses.

namespace mechanics {

// The processors not already kept busy by other programs (processors minus the one-minute load
// average), at least 1 and at most OpenMP's limit: on a machine that is already full, more
// threads only wait for each other.
int ThreadsToUse();

}  // namespace mechanics
