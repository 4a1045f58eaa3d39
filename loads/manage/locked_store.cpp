#include "loads/manage/locked_store.h"

#include "common/position/position_lock.h"
#include "loads/manage/start_solver.h"
#include "loads/store/staged_files.h"
#include "loads/store/store_load_case.h"

namespace pundf {

LockedStoreReport StoreLoadCaseLocked(LoadModel& model, bool start_solver, std::chrono::milliseconds wait) {
  LockedStoreReport report;
  const common::LoadCaseDiary diary = model.diary;
  const LoadCase load_case = model.load_case;
  {
    common::PositionLock lock;
    if (common::Result held = common::HoldPositionLock(lock, model.position, wait); !held) {
      report.refused = held;
      return report;
    }
    StagedFiles staged;
    model.staged = &staged;
    StoreReport stored = StoreLoadCase(model);
    model.staged = nullptr;
    if (!stored.ok()) {
      report.refused = stored.refused;
      return report;
    }
    if (start_solver) report.solver = StageSolverJob(model, staged);
    if (common::Result committed = staged.Commit(); !committed) {
      model.diary = diary;
      model.load_case = load_case;
      report.refused = SolverJobFailure(model, committed);
      return report;
    }
    report.messages = std::move(stored.messages);
  }  // the lock is let go before the solver, which takes it, starts
  if (start_solver && report.solver.ok()) report.solver = StartSolverProcess(model);
  return report;
}

}  // namespace pundf
