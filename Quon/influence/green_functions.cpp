#include "Quon/influence/green_functions.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "Quon/elements/element_data.h"
#include "Quon/influence/influence_terms.h"
#include "Quon/results/writer_threads.h"
#include "Quon/run/messages.h"
#include "mechanics/thread_count.h"
#include "platform/binary_io.h"

namespace zedir {
namespace {

// Below this many elements the blocks are made on one thread.
constexpr int kParallelElements = 16;

// The x, y and rotation equations of the nodes whose x is not supported.
std::vector<NodeEquations> CountedNodes(const Run& run) {
  std::vector<NodeEquations> counted;
  for (int p = 1; p <= run.nodes.count(); ++p) {
    if (run.nodes[p].support_flag(1) == 0) counted.push_back(NodeEquationsOf(run, p));
  }
  return counted;
}

std::array<GreenSums, kGreenCases> SumsOf(const Run& run, int e, const std::vector<NodeEquations>& counted) {
  const auto coefficients = GreenCoefficients(run.elements[e]);
  const std::array<int, 6> equations = ElementEquations(run, e);
  std::array<GreenSums, kGreenCases> sums{};
  // G_k at equation d: the coefficients of case k times the six columns at d.
  auto add = [&](int d, float GreenSums::*part) {
    std::array<double, 6> columns;
    for (std::size_t j = 0; j < 6; ++j) columns[j] = InverseEntry(run, equations[j], d);
    for (std::size_t k = 0; k < kGreenCases; ++k) {
      double g = 0.0;
      for (std::size_t j = 0; j < 6; ++j) g += static_cast<double>(coefficients[k][j]) * columns[j];
      sums[k].*part = static_cast<float>(sums[k].*part + g);
    }
  };
  for (const NodeEquations& node : counted) {
    add(node.u, &GreenSums::h);
    add(node.v, &GreenSums::v);
    add(node.rotation, &GreenSums::r);
  }
  return sums;
}

// What the Green functions are computed from: the elements, the nodes and K^-1.
std::vector<std::byte> ModelBytes(const Run& run) {
  std::vector<std::byte> bytes;
  const auto add = [&bytes](std::span<const std::byte> part) {
    const std::uint64_t size = part.size();
    const auto* length = reinterpret_cast<const std::byte*>(&size);
    bytes.insert(bytes.end(), length, length + sizeof size);
    bytes.insert(bytes.end(), part.begin(), part.end());
  };
  add(run.elements.used_bytes());
  add(run.nodes.used_bytes());
  add(std::as_bytes(std::span<const double>(run.inverse.data(), run.inverse.valueCount())));
  return bytes;
}

// Each element's blocks on its own, side by side on the helper threads.
std::vector<float> GreenBlocks(const Run& run) {
  const int m = run.elements.count();
  const std::vector<NodeEquations> counted = CountedNodes(run);
  std::vector<float> blocks(static_cast<std::size_t>(std::max(m, 0)) * kGreenCases * 4, 0.0f);
  std::atomic<int> next{1};
  DrainOnHelpers(m >= kParallelElements ? mechanics::ThreadsToUse() : 1, [&] {
    for (int e; (e = next.fetch_add(1)) <= m;) {
      const auto sums = SumsOf(run, e, counted);
      float* out = blocks.data() + static_cast<std::size_t>(e - 1) * kGreenCases * 4;
      for (std::size_t k = 0; k < kGreenCases; ++k) {
        out[4 * k + 1] = sums[k].h;
        out[4 * k + 2] = sums[k].v;
        out[4 * k + 3] = sums[k].r;
      }
    }
  });
  return blocks;
}

}  // namespace

std::array<GreenSums, kGreenCases> GreenSumsOf(const Run& run, int e) { return SumsOf(run, e, CountedNodes(run)); }

common::Result NodalDisplacementGreenFunctions(Run& run) {
  std::vector<std::byte> model = ModelBytes(run);
  if (model != run.green_memo.model) {
    run.green_memo.blocks = GreenBlocks(run);
    run.green_memo.model = std::move(model);
  }
  const std::vector<float>& blocks = run.green_memo.blocks;
  const std::string path = run.position.LoadCaseFile(kGreenDisplacementFile, run.load_case);
  return Stored(plat::WriteBlock(path, blocks.data(), blocks.size() * sizeof(float)), path);
}

}  // namespace zedir
