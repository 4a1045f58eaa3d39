// Inversion of a 600-equation stiffness matrix beside LAPACK's dgetrf + dgetri on the same matrix.
//
// Two frames of 600 equations: 100 separate cantilevers of one 4 m element each (clamped by
// springs of the support stiffness), and a continuous beam of 199 spans of 4 m on supports at
// every node, whose inverse is full; beside them a full random symmetric positive definite matrix
// of the same size, where no zeros can be skipped. After the runs, the ratio of each pair of times
// and the largest difference between the two inverses are printed.
//
// Beside them, in the same run, the whole Store of the largest frame in the geometry input (100
// cantilevers, 600 equations, bench/cantilever_store.h: the model check, the inversion and 21.8
// MB of listings and matrix files) against LAPACK's inversion of the matrix that Store inverts,
// alternately, in rounds (STORE_ROUNDS=<n>, 9 by default, 5 at least); the target for the ratio of
// their medians is at most 2.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/cantilever_store.h"
#include "bench/side_by_side.h"
#include "geometry/check/stiffness_assembly.h"
#include "mechanics/assembly.h"
#include "mechanics/element_stiffness.h"
#include "mechanics/factored_system.h"
#include "mechanics/inversion.h"

extern "C" {
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgetri_(const int* n, double* a, const int* lda, const int* ipiv, double* work, const int* lwork, int* info);
}

namespace {

constexpr float kE = 2e7f;
constexpr float kA = 0.1f;
constexpr float kI = 0.001f;
constexpr double kSupportStiffness = kE * kA;

mechanics::Matrix Cantilevers() {
  const int count = 100;
  mechanics::Matrix k(6 * count);
  const mechanics::Rigidity rigidity = mechanics::RigidityOf(kE, kA, kI);
  for (int c = 0; c < count; ++c) {
    const double x = 2.0 * c;
    const int d = 6 * c;
    const mechanics::ElementMatrix m = mechanics::ElementStiffness(rigidity, mechanics::DirectionOfEnds(x, 0, x, 4));
    mechanics::AddElementMatrix(k, m, {d + 1, d + 2, d + 3, d + 4, d + 5, d + 6});
    for (int s = 1; s <= 3; ++s) mechanics::AddSupportSpring(k, d + s, 1.0, kSupportStiffness);
  }
  return k;
}

mechanics::Matrix ContinuousBeam() {
  const int nodes = 200;
  mechanics::Matrix k(3 * nodes);
  const mechanics::Rigidity rigidity = mechanics::RigidityOf(kE, kA, kI);
  const mechanics::ElementMatrix m = mechanics::ElementStiffness(rigidity, mechanics::DirectionOfEnds(0, 0, 4, 0));
  for (int e = 0; e + 1 < nodes; ++e) {
    const int d = 3 * e;
    mechanics::AddElementMatrix(k, m, {d + 1, d + 2, d + 3, d + 4, d + 5, d + 6});
  }
  mechanics::AddSupportSpring(k, 1, 1.0, kSupportStiffness);
  for (int node = 0; node < nodes; ++node) mechanics::AddSupportSpring(k, 3 * node + 2, 1.0, kSupportStiffness);
  return k;
}

mechanics::Matrix FullMatrix() {
  const int n = 600;
  std::mt19937 gen(3);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> m(static_cast<std::size_t>(n) * n);
  for (double& v : m) v = value(gen);
  mechanics::Matrix k(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      double sum = i == j ? n : 0.0;
      for (int p = 0; p < n; ++p) {
        sum += m[static_cast<std::size_t>(i - 1) * n + p] * m[static_cast<std::size_t>(j - 1) * n + p];
      }
      k(i, j) = sum;
      k(j, i) = sum;
    }
  }
  return k;
}

constexpr int kCases = 3;

const mechanics::Matrix& Frame(int which) {
  static const mechanics::Matrix cantilevers = Cantilevers();
  static const mechanics::Matrix beam = ContinuousBeam();
  static const mechanics::Matrix full = FullMatrix();
  return which == 0 ? cantilevers : which == 1 ? beam : full;
}

const char* FrameName(int which) {
  return which == 0 ? "100 cantilevers" : which == 1 ? "continuous beam" : "full matrix";
}

std::vector<double> LapackInverse(const mechanics::Matrix& k, std::vector<double>& a, std::vector<int>& pivots,
                                  std::vector<double>& work) {
  const int n = k.size();
  const int lwork = static_cast<int>(work.size());
  int info = 0;
  for (int j = 1; j <= n; ++j) {
    for (int i = 1; i <= n; ++i) a[static_cast<std::size_t>(j - 1) * n + (i - 1)] = k(i, j);
  }
  dgetrf_(&n, &n, a.data(), &n, pivots.data(), &info);
  if (info == 0) dgetri_(&n, a.data(), &n, pivots.data(), work.data(), &lwork, &info);
  if (info != 0) a.clear();
  return a;
}

std::vector<double> WorkSpace(int n) {
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  std::vector<int> pivots(static_cast<std::size_t>(n));
  int info = 0;
  int query = -1;
  double optimal = 0.0;
  dgetri_(&n, a.data(), &n, pivots.data(), &optimal, &query, &info);
  return std::vector<double>(static_cast<std::size_t>(optimal));
}

// Largest |ours - LAPACK's| relative to the largest entry of the inverse.
double Difference(int which) {
  const mechanics::Matrix& k = Frame(which);
  const int n = k.size();
  const mechanics::FactoredSystem system(k, mechanics::PivotRule::kFirstUsable);
  const mechanics::Inverse ours = mechanics::InvertByColumns(system);
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  std::vector<int> pivots(static_cast<std::size_t>(n));
  std::vector<double> work = WorkSpace(n);
  LapackInverse(k, a, pivots, work);
  double largest = 0.0;
  double difference = 0.0;
  for (int j = 1; j <= n; ++j) {
    for (int i = 1; i <= n; ++i) {
      const double theirs = a[static_cast<std::size_t>(j - 1) * n + (i - 1)];
      largest = std::max(largest, std::fabs(theirs));
      difference = std::max(difference, std::fabs(theirs - ours.columns(j, i)));
    }
  }
  return difference / largest;
}

void BM_InvertByColumns(benchmark::State& state) {
  const mechanics::Matrix& k = Frame(static_cast<int>(state.range(0)));
  int corrections = 0;
  for (auto _ : state) {
    const mechanics::FactoredSystem system(k, mechanics::PivotRule::kFirstUsable);
    if (!system.factored()) {
      state.SkipWithError("singular");
      break;
    }
    const mechanics::Inverse inverse = mechanics::InvertByColumns(system);
    corrections = 0;
    for (int c : inverse.corrections) corrections += c;
    benchmark::DoNotOptimize(inverse.columns.data());
  }
  state.counters["corrections"] = corrections;
  state.SetLabel(FrameName(static_cast<int>(state.range(0))));
}

void BM_LapackGetrfGetri(benchmark::State& state) {
  const mechanics::Matrix& k = Frame(static_cast<int>(state.range(0)));
  const int n = k.size();
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  std::vector<int> pivots(static_cast<std::size_t>(n));
  std::vector<double> work = WorkSpace(n);
  for (auto _ : state) {
    if (LapackInverse(k, a, pivots, work).empty()) {
      state.SkipWithError("LAPACK failed");
      break;
    }
    benchmark::DoNotOptimize(a.data());
  }
  state.SetLabel(FrameName(static_cast<int>(state.range(0))));
}

// The matrix that the Store of the cantilevers inverts: K with its support springs, assembled
// from the model as a Store leaves it.
const mechanics::Matrix& StoredMatrix() {
  static const mechanics::Matrix k = [] {
    kelmf::FrameModel model = bench::Cantilevers();
    const bench::StorePosition scratch(model);
    if (!bench::Store(model, scratch.position())) std::abort();
    auto assembled = kelmf::AssembleStiffness(model, model.params.equation_count(), model.params.support_stiffness());
    if (!assembled.ok()) std::abort();
    return std::move(*assembled);
  }();
  return k;
}

// Rounds of one Store and one LAPACK inversion of its matrix, the order switching from round to
// round; its time is the Store's, its counters the medians of both, their ratio and the machine's
// load when it ended.
void BM_StoreBesideLapack(benchmark::State& state) {
  const mechanics::Matrix& k = StoredMatrix();
  const int n = k.size();
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  std::vector<int> pivots(static_cast<std::size_t>(n));
  std::vector<double> work = WorkSpace(n);
  const kelmf::FrameModel frame = bench::Cantilevers();
  const bench::StorePosition scratch(frame);
  const auto medians = bench::SideBySide(
      state,
      [&] {
        kelmf::FrameModel model = frame;
        return bench::Timed([&] { return bench::Store(model, scratch.position()); });
      },
      [&] { return bench::Timed([&] { return !LapackInverse(k, a, pivots, work).empty(); }); },
      "the store or LAPACK failed");
  if (!medians) return;
  state.counters["store_ms"] = medians->ours * 1e3;
  state.counters["lapack_ms"] = medians->theirs * 1e3;
  state.counters["ratio"] = medians->theirs > 0 ? medians->ours / medians->theirs : 0.0;
  bench::CountLoad(state);
}

BENCHMARK(BM_InvertByColumns)->DenseRange(0, kCases - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LapackGetrfGetri)->DenseRange(0, kCases - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreBesideLapack)->Iterations(bench::RoundsFrom("STORE_ROUNDS", 9))->UseManualTime()->Unit(benchmark::kMillisecond);

// Keeps the mean time of each run so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0 && run.run_type == Run::RT_Iteration) {
        seconds_[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    for (int which = 0; which < kCases; ++which) {
      char ourName[64];
      char lapackName[64];
      std::snprintf(ourName, sizeof ourName, "BM_InvertByColumns/%d/real_time", which);
      std::snprintf(lapackName, sizeof lapackName, "BM_LapackGetrfGetri/%d/real_time", which);
      const auto ours = seconds_.find(ourName);
      const auto lapack = seconds_.find(lapackName);
      if (ours == seconds_.end() || lapack == seconds_.end()) continue;
      std::printf("%s: inversion %.2f ms, LAPACK dgetrf+dgetri %.2f ms, ratio %.3f, largest difference %.1e\n",
                  FrameName(which), ours->second * 1e3, lapack->second * 1e3, ours->second / lapack->second,
                  Difference(which));
    }
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
