#pragma once
// The switch that makes one file write of the process fail, so that a test can put a failing
// write at every step of a command in turn. Every write of a whole file, an append or a
// replacement counts as one write.
namespace plat::testing {

// From now on the n-th file write fails (counting from 1); 0 turns the switch off. The count
// starts again at 0.
void FailFileWrite(long n);
// The file writes counted since the last FailFileWrite.
long FileWritesSoFar();

}  // namespace plat::testing
