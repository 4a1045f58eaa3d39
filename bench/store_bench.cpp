// Storing the largest frame in the geometry input (bench/cantilever_store.h): the whole Store,
// and the model check and inversion, the kinematic check with its listings, and the listing text
// of a dense matrix alone. inversion_bench times the whole Store beside LAPACK's inversion of its
// matrix.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/cantilever_store.h"
#include "geometry/check/kinematic_check.h"
#include "geometry/check/kinematic_listings.h"
#include "geometry/check/stiffness_assembly.h"
#include "platform/text_block.h"

namespace {

using bench::Cantilevers;

void BM_Store(benchmark::State& state) {
  const kelmf::FrameModel frame = Cantilevers();
  const bench::StorePosition scratch(frame);
  for (auto _ : state) {
    kelmf::FrameModel model = frame;
    if (!bench::Store(model, scratch.position())) {
      state.SkipWithError("the store failed");
      break;
    }
  }
}

void BM_CheckAndInversion(benchmark::State& state) {
  const kelmf::FrameModel frame = Cantilevers();
  const bench::StorePosition scratch(frame);
  const common::Position& position = scratch.position();
  for (auto _ : state) {
    kelmf::FrameModel model = frame;
    const kelmf::CheckReport report = kelmf::FlexibilityDiagonal(model, position);
    if (!report.stored() || model.params.equation_count() != 600) {
      state.SkipWithError("the inversion failed");
      break;
    }
  }
}

void BM_KinematicCheck(benchmark::State& state) {
  kelmf::FrameModel model = Cantilevers();
  const bench::StorePosition scratch(model);
  const common::Position& position = scratch.position();
  auto k = kelmf::AssembleStiffness(model, model.params.equation_count(), 2e6f);
  if (!k.ok()) std::abort();
  for (auto _ : state) {
    kelmf::CheckReport report;
    const kelmf::KinematicResult result = kelmf::KinematicCheck(model, position, *k, report);
    if (result.found() || !report.messages.empty()) {
      state.SkipWithError("the kinematic check failed");
      break;
    }
  }
}

// 600 x 600 entries without zeros, of magnitudes from 1e-3 to 1e7 and both signs.
mechanics::Matrix DenseMatrix() {
  mechanics::Matrix m(600);
  std::uint64_t state = 12345;
  for (int i = 1; i <= m.size(); ++i) {
    for (int j = 1; j <= m.size(); ++j) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5;
      m(i, j) = mantissa * std::pow(10.0, static_cast<int>(state % 11) - 3);
    }
  }
  return m;
}

// The text of the three matrix listings of a dense 600 x 600 matrix, in one buffer as the Store
// makes them.
void BM_DenseListingText(benchmark::State& state) {
  const mechanics::Matrix m = DenseMatrix();
  for (auto _ : state) {
    plat::TextBlock listing;
    kelmf::AppendStiffnessListing(listing, m);
    std::size_t size = listing.text().size();
    for (int k = 0; k < 2; ++k) {
      listing.Clear();
      kelmf::AppendEchelonListing(listing, m);
      size += listing.text().size();
    }
    benchmark::DoNotOptimize(size);
  }
}

// The same text through snprintf, for comparison.
void BM_DenseListingTextByPrintf(benchmark::State& state) {
  const mechanics::Matrix m = DenseMatrix();
  for (auto _ : state) {
    std::size_t size = 0;
    for (const char* format : {"%.2f  ", "%5.2lf  ", "%5.2lf  "}) {
      std::string text;
      char entry[400];
      for (int i = 1; i <= m.size(); ++i) {
        for (int j = 1; j <= m.size(); ++j) text.append(entry, std::snprintf(entry, sizeof entry, format, m(i, j)));
        text += "\r\n\r\n";
      }
      size += text.size();
    }
    benchmark::DoNotOptimize(size);
  }
}

BENCHMARK(BM_Store)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckAndInversion)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KinematicCheck)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DenseListingText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DenseListingTextByPrintf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
