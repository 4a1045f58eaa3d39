// The whole road of compute-position on a storey frame: 10 storeys of 3 m, 4 bays of 5 m (55 nodes,
// 90 elements, 165 equations, clamped feet, one cross section) with 30 load cases, each with a
// horizontal force at every level of the left column line and a uniform load on every beam. The
// road stores the geometry, rebuilds the load cases with PUNDF "@G", writes the job and runs ZEDIR,
// which writes about 590 files per load case (five curve files per element, the state lines of the
// beam loads, the pages, the influence values). The target for the whole road is at most 0.2 s.
//
// BM_Road...: the real programs, started as the shell starts them (process starts included),
// into a fresh position folder (every file created) and into one computed before (every file
// written over). BM_InProcess...: the same steps as library calls in this process, so that the
// programs' own work shows without their starts; BM_ZedirJob: the solver's run alone.
// BM_Floor...: the file system's own cost beside the road, in the same run on the same disk: as
// many files of the road's sizes, written by plain open/write/close into a fresh folder (create)
// and over themselves in place (overwrite). What a fresh folder costs the road, fresh - steady,
// compares with what it costs plain code, create - overwrite.
//
// BM_RoadBesideFloor: the road re-run beside the plain-C overwrite of its files, alternately in
// one run, with both medians and the road's time beyond the floor (the target is at most 0.1 s).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Quon/run/notifier.h"
#include "Quon/run/run_analysis.h"
#include "bench/scratch_folder.h"
#include "bench/side_by_side.h"
#include "common/position/position.h"
#include "common/records/model_tables.h"
#include "common/records/record_files.h"
#include "common/settings.h"
#include "loads/app/pundf_app.h"
#include "platform/application.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/process.h"
#include "tests/support/position_road.h"

namespace {

constexpr int kStoreys = 10;
constexpr int kBays = 4;
constexpr int kLoadCases = 30;
constexpr double kStoreyHeight = 3.0;
constexpr double kBayWidth = 5.0;

// One line of an echo text, ended with CR LF.
template <class... Args>
std::string Line(const char* format, Args... args) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer) + "\r\n";
}

// Elements storey by storey: its five columns, then its four beams.
struct Bar {
  double x1, z1, x2, z2;
};
std::vector<Bar> Bars() {
  std::vector<Bar> bars;
  for (int s = 1; s <= kStoreys; ++s) {
    for (int k = 0; k <= kBays; ++k) {
      bars.push_back({k * kBayWidth, (s - 1) * kStoreyHeight, k * kBayWidth, s * kStoreyHeight});
    }
    for (int k = 0; k < kBays; ++k) {
      bars.push_back({k * kBayWidth, s * kStoreyHeight, (k + 1) * kBayWidth, s * kStoreyHeight});
    }
  }
  return bars;
}

std::string GeometryEcho() {
  std::string text = "TITEL\r\nTen storeys, four bays\r\nMATERIAL\r\n1\r\n1 30000000.00 0.000000\r\n";
  text += "CROSSECTIONS\r\n1\r\n1 0.300 0.500 1.5000E-01 3.1250E-03\r\n";
  const std::vector<Bar> bars = Bars();
  text += "ELEMENTS\r\n" + std::to_string(bars.size()) + "\r\n";
  for (std::size_t e = 0; e < bars.size(); ++e) {
    text += Line("%d %.2f %.2f %.2f %.2f 0 0 1 1 1 1", static_cast<int>(e + 1), bars[e].x1, bars[e].z1, bars[e].x2,
                 bars[e].z2);
  }
  text += "NODES\r\n" + std::to_string((kStoreys + 1) * (kBays + 1)) + "\r\n";
  int node = 0;
  for (int s = 0; s <= kStoreys; ++s) {
    for (int k = 0; k <= kBays; ++k) {
      const double fixed = s == 0 ? 1.0 : 0.0;
      text += Line("%d %.2f %.2f  %.4E  %.4E  %.4E", ++node, k * kBayWidth, s * kStoreyHeight, fixed, fixed, fixed);
    }
  }
  text += "SUPPORTS\r\n" + std::to_string(kBays + 1) + "\r\n";
  for (int k = 1; k <= kBays + 1; ++k) text += std::to_string(k) + " 1.000000 1.000000 1.000000\r\n";
  return text;
}

// The node at the left column line on level s: the node rebuild numbers the first storey's ends
// column by column (foot, head), then each higher level from left to right.
int LeftColumnNode(int level) { return level == 1 ? 2 : 11 + (kBays + 1) * (level - 2); }

std::string LoadEcho() {
  const std::vector<Bar> bars = Bars();
  std::string text = "LOAD CASES\r\n";
  for (int lc = 1; lc <= kLoadCases; ++lc) {
    text += "LC " + std::to_string(lc) + "\r\n" + std::to_string(kStoreys) + " " + std::to_string(kStoreys * kBays) +
            " 1\r\nTITLE\r\nWind and floor loads " + std::to_string(lc) + "\r\nLINELOADS\r\n";
    // A line load's points are given upward (the negative of the echo's z).
    int k = 0;
    for (std::size_t e = 0; e < bars.size(); ++e) {
      if (bars[e].z1 != bars[e].z2) continue;
      const double q = 10.0 + 0.5 * lc;
      text += Line("%d floor", ++k);
      text += Line("%d 1 %8.3f %8.3f %8.3f %8.3f    0.000    0.000 %8.3f %8.3f Y", static_cast<int>(e + 1),
                   bars[e].x1, -bars[e].z1, bars[e].x2, -bars[e].z2, q, q);
    }
    text += "POINTLOADS\r\n";
    for (int s = 1; s <= kStoreys; ++s) {
      text += Line("%d wind", s);
      text += Line("E %d 0    0.000 %8.3f X", LeftColumnNode(s), (1.0 + 0.1 * lc) * s);
    }
  }
  return text;
}

class Folder {
 public:
  Folder() {
    std::string templ = (std::filesystem::temp_directory_path() / "road-bench-XXXXXX").string();
    root_ = std::string(mkdtemp(templ.data())) + "/";
    setenv("XDG_DATA_HOME", (root_ + "xdg").c_str(), 1);
    setenv("PLAT_MESSAGES", (root_ + "messages.txt").c_str(), 1);
    position_ = common::Position(root_ + "data/", ".F");
    settings_ = common::SettingsContext::Discover();
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  // An empty position folder with the two echo texts. A folder computed before is moved aside and
  // removed only at the end: ext4 without a journal passes over recently freed inodes one by one
  // whenever it makes a new file (for minutes after they were freed), so removing 18,000 files
  // here would slow every file the measured runs create.
  void Fresh() const {
    std::error_code ec;
    if (std::filesystem::exists(position_.folder(), ec)) {
      std::filesystem::rename(position_.folder(), root_ + "old-" + std::to_string(++moved_aside_), ec);
    }
    common::EnsurePositionFolder(position_);
    static const std::string geometry = GeometryEcho(), loads = LoadEcho();
    plat::WriteBlock(position_.TextFile("ECHO_G"), geometry.data(), geometry.size());
    plat::WriteBlock(position_.TextFile("ECHO_L"), loads.data(), loads.size());
  }
  bool Quiet() const { return !plat::FileSize(root_ + "messages.txt").has_value(); }
  int Files() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(position_.folder())) ++count;
    return count;
  }

  // A new empty folder for the floor's files (moved aside as Fresh does, never removed here).
  std::string NewFloorFolder() const {
    const std::string folder = root_ + "floor-" + std::to_string(++floors_) + "/";
    ::mkdir(folder.c_str(), 0755);
    return folder;
  }
  // The sizes of the files of the position folder (after a road).
  std::vector<std::size_t> FileSizes() const {
    std::vector<std::size_t> sizes;
    for (const auto& entry : std::filesystem::directory_iterator(position_.folder())) {
      if (entry.is_regular_file()) sizes.push_back(static_cast<std::size_t>(entry.file_size()));
    }
    return sizes;
  }

  const common::Position& position() const { return position_; }
  const common::SettingsContext& settings() const { return settings_; }

 private:
  std::string root_;
  mutable int moved_aside_ = 0;
  mutable int floors_ = 0;
  common::Position position_;
  common::SettingsContext settings_;
};

const Folder& TheFolder() {
  static const Folder folder;
  return folder;
}

bool RoadByPrograms(const Folder& folder) {
  const auto code = plat::RunAndWait(std::string(SUITE_BIN_DIR) + "/compute-position",
                                     {folder.position().data_path(), folder.position().name()});
  return code && *code == 0;
}

bool RoadInProcess(const Folder& folder) {
  const common::Position& position = folder.position();
  zedir::RunNotifier notifier;
  zedir::Run run;
  return support::WritePositionSettings(folder.settings(), position) && support::StoreGeometry(position) &&
         pundf::RunPundf(position.ext() + " @" + position.data_path() + " @G") == 0 &&
         support::WriteJobOfDiary(position) && zedir::RunAnalysis(run, folder.settings(), notifier).ok();
}

template <bool (*Road)(const Folder&)>
void Fresh(benchmark::State& state) {
  const Folder& folder = TheFolder();
  for (auto _ : state) {
    state.PauseTiming();
    folder.Fresh();
    state.ResumeTiming();
    if (!Road(folder)) state.SkipWithError("the road failed");
  }
  state.counters["files"] = folder.Files();
  if (!folder.Quiet()) state.SkipWithError("a step gave a message");
}

template <bool (*Road)(const Folder&)>
void Steady(benchmark::State& state) {
  const Folder& folder = TheFolder();
  folder.Fresh();
  if (!Road(folder)) state.SkipWithError("the first road failed");
  for (auto _ : state) {
    if (!Road(folder)) state.SkipWithError("the road failed");
  }
  state.counters["files"] = folder.Files();
  if (!folder.Quiet()) state.SkipWithError("a step gave a message");
}

void BM_RoadFresh(benchmark::State& state) { Fresh<RoadByPrograms>(state); }
void BM_RoadSteady(benchmark::State& state) { Steady<RoadByPrograms>(state); }
void BM_InProcessFresh(benchmark::State& state) { Fresh<RoadInProcess>(state); }
void BM_InProcessSteady(benchmark::State& state) { Steady<RoadInProcess>(state); }

// The road's file sizes, from a road into a fresh folder.
const std::vector<std::size_t>& RoadFileSizes() {
  static const std::vector<std::size_t> sizes = [] {
    const Folder& folder = TheFolder();
    folder.Fresh();
    return RoadByPrograms(folder) ? folder.FileSizes() : std::vector<std::size_t>();
  }();
  return sizes;
}

// Writes one file of each size into `folder` by plain calls: created (O_CREAT | O_TRUNC) or
// written over in place (pwrite into the file as it is).
bool WriteFloor(const std::string& folder, const std::vector<std::size_t>& sizes, bool create) {
  static const std::vector<char> bytes(1 << 20, 'x');
  for (std::size_t k = 0; k < sizes.size(); ++k) {
    const std::string path = folder + "F" + std::to_string(k);
    const int fd = ::open(path.c_str(), create ? O_WRONLY | O_CREAT | O_TRUNC : O_WRONLY, 0644);
    if (fd < 0) return false;
    const std::size_t size = std::min(sizes[k], bytes.size());
    const bool ok = ::pwrite(fd, bytes.data(), size, 0) == static_cast<ssize_t>(size);
    if (::close(fd) != 0 || !ok) return false;
  }
  return true;
}

void BM_FloorCreate(benchmark::State& state) {
  const std::vector<std::size_t>& sizes = RoadFileSizes();
  if (sizes.empty()) state.SkipWithError("the road failed");
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = TheFolder().NewFloorFolder();
    state.ResumeTiming();
    if (!WriteFloor(folder, sizes, true)) state.SkipWithError("a file failed");
  }
  state.counters["files"] = static_cast<double>(sizes.size());
}

void BM_FloorOverwrite(benchmark::State& state) {
  const std::vector<std::size_t>& sizes = RoadFileSizes();
  const std::string folder = TheFolder().NewFloorFolder();
  if (sizes.empty() || !WriteFloor(folder, sizes, true)) state.SkipWithError("the first floor failed");
  for (auto _ : state) {
    if (!WriteFloor(folder, sizes, false)) state.SkipWithError("a file failed");
  }
  state.counters["files"] = static_cast<double>(sizes.size());
}

// Rounds of the road re-run by the real programs and of the plain-C overwrite of its files, the
// order switching from round to round; its time is the road's, its counters the medians of both,
// the road's time beyond the floor (the target is at most 100 ms) and the machine's load when it
// ended. ROAD_ROUNDS=<n> runs n rounds (9 by default, 5 at least).
void BM_RoadBesideFloor(benchmark::State& state) {
  const Folder& folder = TheFolder();
  const std::vector<std::size_t>& sizes = RoadFileSizes();
  const std::string floor = folder.NewFloorFolder();
  folder.Fresh();
  if (sizes.empty() || !RoadByPrograms(folder) || !WriteFloor(floor, sizes, true)) {
    return state.SkipWithError("the first road or floor failed");
  }
  const auto medians = bench::SideBySide(
      state, [&] { return bench::Timed([&] { return RoadByPrograms(folder); }); },
      [&] { return bench::Timed([&] { return WriteFloor(floor, sizes, false); }); }, "the road or the floor failed");
  if (!medians) return;
  state.counters["road_ms"] = medians->ours * 1e3;
  state.counters["floor_ms"] = medians->theirs * 1e3;
  state.counters["beyond_ms"] = (medians->ours - medians->theirs) * 1e3;
  bench::CountLoad(state);
  if (!folder.Quiet()) state.SkipWithError("a step gave a message");
}

// The solver's run alone over a position computed before.
void BM_ZedirJob(benchmark::State& state) {
  const Folder& folder = TheFolder();
  folder.Fresh();
  if (!RoadInProcess(folder)) state.SkipWithError("the first road failed");
  for (auto _ : state) {
    zedir::RunNotifier notifier;
    zedir::Run run;
    if (!zedir::RunAnalysis(run, folder.settings(), notifier).ok()) state.SkipWithError("the run failed");
  }
}

// The load cases rebuilt by PUNDF "@G" alone, over a position computed before.
void BM_RebuildLoadCases(benchmark::State& state) {
  const Folder& folder = TheFolder();
  folder.Fresh();
  if (!RoadInProcess(folder)) state.SkipWithError("the first road failed");
  const common::Position& position = folder.position();
  for (auto _ : state) {
    if (pundf::RunPundf(position.ext() + " @" + position.data_path() + " @G") != 0) state.SkipWithError("failed");
  }
}

BENCHMARK(BM_RoadBesideFloor)->Iterations(bench::RoundsFrom("ROAD_ROUNDS", 9))->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoadFresh)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RoadSteady)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_FloorCreate)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FloorOverwrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_InProcessFresh)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_InProcessSteady)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ZedirJob)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_RebuildLoadCases)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  TheFolder();  // XDG_DATA_HOME and PLAT_MESSAGES before anything reads them
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const bench::RuntimeFolder runtime;  // goes after the application object, with what it made there
  plat::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
