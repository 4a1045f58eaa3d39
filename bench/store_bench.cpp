// Storing the largest frame in the geometry input (100 separate cantilevers of one 4 m element,
// 200 nodes, 600 equations): the drawing extents, the node rebuild with its files, the echo text
// with PARAMR, DOFSK and ELEMENTS, then the model check and the inversion with all their files.
// The target for the whole Store is at most 0.4 s; the model check and inversion, the kinematic
// check with its listings, and the listing text of a dense matrix are also timed alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "common/position/model_defaults.h"
#include "common/position/position.h"
#include "geometry/check/flexibility_diagonal.h"
#include "geometry/check/kinematic_check.h"
#include "geometry/check/kinematic_listings.h"
#include "geometry/check/stiffness_assembly.h"
#include "geometry/echo/echo_file.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"

namespace {

constexpr int kCantilevers = 100;

kelmf::FrameModel Cantilevers() {
  kelmf::FrameModel model;
  common::ResetFrameParams(model.params);
  model.params.set_vertical_sign(-1);
  common::MaterialRecord material = common::DefaultMaterial();
  material.set_modulus(2e7f);
  model.materials.Append(material);
  common::CrossSectionRecord section = common::DefaultCrossSection();
  section.set_area(0.1f);
  section.set_inertia(0.001f);
  model.cross_sections.Append(section);
  for (int c = 0; c < kCantilevers; ++c) {
    const float x = 2.0f * static_cast<float>(c);
    common::ElementRecord e;
    e.set_xa(x);
    e.set_xb(x);
    e.set_yb(4.0f);
    e.set_zb(-4.0f);
    e.set_material(1);
    e.set_cross_section(1);
    e.set_compression_flag(1);
    e.set_tension_flag(1);
    model.elements.Append(e);
  }
  model.params.set_element_count(kCantilevers);
  if (!kelmf::RebuildTopology(model).ok()) std::abort();
  for (common::NodeRecord& node : model.nodes.used()) {
    if (node.y() != 0.0f) continue;
    for (int d = 1; d <= 3; ++d) {
      node.set_support(d, 1.0f);
      node.set_support_flag(d, 1);
    }
  }
  return model;
}

// A position in a fresh folder below the system's temporary folder, with the model's cross
// sections stored (the node rebuild reads them).
common::Position BenchPosition(const kelmf::FrameModel& model) {
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / ("store_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(data);
  common::Position position(data.string(), ".1");
  if (!common::EnsurePositionFolder(position)) std::abort();
  if (!kelmf::StoreTable(position.File("CROSS"), model.cross_sections).ok()) std::abort();
  return position;
}

void RemovePosition(const common::Position& position) {
  std::error_code ignored;
  std::filesystem::remove_all(position.data_path(), ignored);
}

void BM_Store(benchmark::State& state) {
  const kelmf::FrameModel frame = Cantilevers();
  const common::Position position = BenchPosition(frame);
  for (auto _ : state) {
    kelmf::FrameModel model = frame;
    bool ok = kelmf::WriteDrawingExtents(model, position).ok();
    ok = kelmf::RebuildNodes(model, position).ok() && ok;
    ok = kelmf::WriteEchoFile(kelmf::EchoFilePath(position), model, position).ok() && ok;
    const kelmf::CheckReport report = kelmf::FlexibilityDiagonal(model, position);
    if (!ok || !report.stored() || model.params.equation_count() != 600) {
      state.SkipWithError("the store failed");
      break;
    }
  }
  RemovePosition(position);
}

void BM_CheckAndInversion(benchmark::State& state) {
  const kelmf::FrameModel frame = Cantilevers();
  const common::Position position = BenchPosition(frame);
  for (auto _ : state) {
    kelmf::FrameModel model = frame;
    const kelmf::CheckReport report = kelmf::FlexibilityDiagonal(model, position);
    if (!report.stored() || model.params.equation_count() != 600) {
      state.SkipWithError("the inversion failed");
      break;
    }
  }
  RemovePosition(position);
}

void BM_KinematicCheck(benchmark::State& state) {
  kelmf::FrameModel model = Cantilevers();
  const common::Position position = BenchPosition(model);
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
  RemovePosition(position);
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

// The text of the three matrix listings of a dense 600 x 600 matrix.
void BM_DenseListingText(benchmark::State& state) {
  const mechanics::Matrix m = DenseMatrix();
  for (auto _ : state) {
    std::size_t size = kelmf::StiffnessListingText(m).size();
    size += kelmf::EchelonListingText(m).size();
    size += kelmf::EchelonListingText(m).size();
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
        text += "\n\n";
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
