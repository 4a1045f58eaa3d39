// The solver's work on the largest frame (100 elements, 200 nodes, 600 equations): a job of 99
// load cases, each read afresh (input), its load vector built and its displacements formed from
// the stored inverse, then its reactions, element curves and energies, its result page and
// nodal-displacement page with their lines in FILES, and the influence values of its elements,
// with every file written (about 880 per load case). The target is at most 20 ms per load case.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Quon/influence/green_functions.h"
#include "Quon/influence/moment_influence.h"
#include "Quon/influence/normal_force_influence.h"
#include "Quon/input/setup_run.h"
#include "Quon/listings/element_results.h"
#include "Quon/results/load_case_results.h"
#include "Quon/run/compute_load_case.h"
#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "Quon/solution/solve_load_case.h"
#include "common/position/output_list.h"
#include "platform/files.h"
#include "Quon/tests/support/frame_builder.h"
#include "bench/column_frame.h"
#include "bench/column_frame_loads.h"
#include "Quon/tests/support/stiffness_fixture.h"
#include "Quon/tests/support/test_position.h"
#include "loads/integration/line_load_integration.h"

namespace {


constexpr int kLoadCases = 99;

// 100 clamped columns of 4 m side by side: 200 nodes, 600 equations.
zedir::testing::FrameBuilder Columns() { return bench::ClampedColumns(); }

// Every pass of the job; the number of passes.
int RunJob(const common::SettingsContext& settings, benchmark::State* state) {
  zedir::RunNotifier notifier;
  zedir::Run run;
  int passes = 0;
  do {
    const bool ok = zedir::SetupRun(run, settings, notifier) && zedir::ComputeLoadCase(run, notifier);
    if (!ok && state != nullptr) state->SkipWithError("a pass failed");
    ++passes;
  } while (run.HasFurtherPass());
  return passes;
}

class JobFolder {
 public:
  JobFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "zedir-bench-XXXXXX").string();
    root_ = std::string(mkdtemp(templ.data())) + "/";
    zedir::testing::TestPosition pos(root_);
    const zedir::testing::FrameModel model = Columns().Build();
    pos.WriteModel(model);
    zedir::testing::WriteMatrixFiles(pos.position(), model);
    std::vector<int> job;
    for (int lc = 1; lc <= kLoadCases; ++lc) {
      pos.WriteLoadCase(lc, bench::EveryKindOfLoad(model, lc));
      job.push_back(lc);
    }
    pos.WriteJob(job);
    settings_ = pos.settings();
    position_ = pos.position();
    // The results of an earlier run lie in the folder, as in a position computed before: the
    // job writes over them. (Creating the files afresh costs 35 us to 1 ms per file here,
    // depending on the folder.)
    RunJob(settings_, nullptr);
  }

  // Back to no listing pages of the solver: LASTD 2, FILES empty, D3.TXT ... removed. The pages
  // of a job are new files, numbered on from the pages before.
  void ClearPages() const {
    const common::PageCount last = common::ReadPageCounter(position_);
    for (int page = common::kFirstCounterValue + 1; page <= last.value; ++page) {
      plat::RemoveFile(common::PageFile(position_, common::PageLabel(page)));
    }
    common::WritePageCounter(position_, common::kFirstCounterValue);
    plat::RemoveFile(position_.FolderFile(common::kOutputListFile));
  }
  ~JobFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  const common::SettingsContext& settings() const { return settings_; }

 private:
  std::string root_;
  common::SettingsContext settings_;
  common::Position position_;
};

const JobFolder& Folder() {
  static const JobFolder folder;
  return folder;
}

void BM_JobOf99LoadCases(benchmark::State& state) {
  const JobFolder& folder = Folder();  // made, and computed once, before the clock runs
  for (auto _ : state) {
    state.PauseTiming();
    folder.ClearPages();
    state.ResumeTiming();
    if (RunJob(folder.settings(), &state) != kLoadCases) state.SkipWithError("the job did not make 99 passes");
  }
  state.counters["per_load_case"] =
      benchmark::Counter(kLoadCases, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_JobOf99LoadCases)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The three parts of one pass (load case 3: with settlements).
void BM_SetupRun(benchmark::State& state) {
  zedir::RunNotifier notifier;
  zedir::Run run;
  for (auto _ : state) {
    run.job = zedir::JobState{};
    run.job.entry_index = 2;
    if (!zedir::SetupRun(run, Folder().settings(), notifier)) state.SkipWithError("input failed");
  }
}
BENCHMARK(BM_SetupRun)->Unit(benchmark::kMillisecond);

// A run over load case 3 (entry 2: with settlements), solved when asked.
void PrepareRun(zedir::Run& run, benchmark::State& state, bool solve) {
  zedir::RunNotifier notifier;
  run.job.entry_index = 2;
  if (!zedir::SetupRun(run, Folder().settings(), notifier) || (solve && !zedir::SolveLoadCase(run))) {
    state.SkipWithError("the load case failed");
  }
}

void BM_SolveLoadCase(benchmark::State& state) {
  zedir::Run run;
  PrepareRun(run, state, false);
  for (auto _ : state) {
    if (!zedir::SolveLoadCase(run)) state.SkipWithError("solution failed");
  }
}
BENCHMARK(BM_SolveLoadCase)->Unit(benchmark::kMillisecond);

void BM_LoadCaseResults(benchmark::State& state) {
  zedir::Run run;
  PrepareRun(run, state, true);
  for (auto _ : state) {
    if (!zedir::ComputeLoadCaseResults(run)) state.SkipWithError("results failed");
  }
}
BENCHMARK(BM_LoadCaseResults)->Unit(benchmark::kMillisecond);

// The results with their two pages (new page files each time) and FILES lines.
void BM_ElementResultsWithPages(benchmark::State& state) {
  zedir::RunNotifier notifier;
  zedir::Run run;
  PrepareRun(run, state, true);
  Folder().ClearPages();
  for (auto _ : state) {
    if (!zedir::ComputeElementResults(run, notifier)) state.SkipWithError("results failed");
  }
  Folder().ClearPages();
}
BENCHMARK(BM_ElementResultsWithPages)->Unit(benchmark::kMillisecond);

void BM_InfluenceValues(benchmark::State& state) {
  zedir::Run run;
  PrepareRun(run, state, true);
  for (auto _ : state) {
    if (!zedir::NormalForceInfluence(run)) state.SkipWithError("influence not stored");
    if (!zedir::MomentInfluence(run)) state.SkipWithError("influence not stored");
    if (!zedir::NodalDisplacementGreenFunctions(run)) state.SkipWithError("influence not stored");
  }
}
BENCHMARK(BM_InfluenceValues)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
