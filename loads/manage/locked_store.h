#pragma once
// A store of the load editor: under the position's lock, the load case's files
// and (for Save) the solver's job written whole or not at all, the lock let go,
// and then the solver started.
#include <chrono>
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

// How long a command of the editor waits for another program to let the
// position go before it says so.
inline constexpr std::chrono::milliseconds kEditorLockWait{2000};

struct LockedStoreReport {
  // Nothing was stored (the lock held elsewhere, a refusal, a file that
  // cannot be written): the files and the model are as before.
  common::Result refused = common::Result::Ok();
  // Notes of the store, which went on after each.
  std::vector<common::Result> messages;
  // After a store with the solver: why it did not start (a missing inverse
  // ends the program).
  ReadOutcome solver = ReadOutcome::Ok();

  bool stored() const { return refused.ok(); }
};

// Takes the position's lock (waiting `wait` for another program), stages the
// store of the load case in memory and, with `start_solver`, the solver's job
// (StageSolverJob), commits them together and lets the lock go; then starts
// ZEDIR. Without the inverse the load case is stored and `solver` ends the
// program. Nothing is started after a failure.
LockedStoreReport StoreLoadCaseLocked(LoadModel& model, bool start_solver,
                                      std::chrono::milliseconds wait = kEditorLockWait);

}  // namespace pundf
