#include "Quon/results/element_curves.h"

#include <atomic>

#include "Quon/elements/element_data.h"
#include "Quon/loads/element_load_inputs.h"
#include "Quon/loads/load_vector.h"
#include "Quon/results/finite_results.h"
#include "Quon/results/result_files.h"
#include "Quon/results/writer_threads.h"
#include "Quon/run/messages.h"
#include "mechanics/curves/element_curves.h"
#include "mechanics/model/element_curves_of.h"
#include "mechanics/thread_count.h"

namespace zedir {
namespace {

constexpr int kCurvesPerElement = 5;
constexpr int kParallelElements = 16;  // below this many elements, one thread

}  // namespace

mechanics::ElementCurves ElementCurvesOf(const Run& run, int e) {
  const mechanics::ElementCurveModel model{
      {run.elements, run.nodes, run.materials, run.sections, run.load_case_params, run.temperatures, run.point_loads},
      run.line_loads,
      run.displacements};
  return mechanics::ComposeElementCurves(model, e);
}

common::Result WriteElementCurves(Run& run) {
  const int m = run.elements.count();
  for (int e = 1; e <= m; ++e) {
    if (!mechanics::RigidityIsUsable(ElementRigidity(run, e))) {
      return common::Result::Fail(mechanics::StiffnessErrorText(e), kFailureCaption);
    }
  }
  run.element_results.assign(static_cast<std::size_t>(m) + 1, ElementResult{});
  constexpr char kLetters[kCurvesPerElement] = {'U', 'W', 'M', 'V', 'N'};
  std::vector<SampleLineFile> files(static_cast<std::size_t>(m) * kCurvesPerElement);
  // The elements' curves are computed side by side on the helper threads.
  std::atomic<int> next{1};
  const Run& input = run;
  DrainOnHelpers(m >= kParallelElements ? mechanics::ThreadsToUse() : 1, [&] {
    for (int e; (e = next.fetch_add(1)) <= m;) {
      const mechanics::ElementCurves c = ElementCurvesOf(input, e);
      ElementResult& r = run.element_results[static_cast<std::size_t>(e)];
      r = {c.u.Rounded(), c.w.Rounded(), c.m.Rounded(), c.v.Rounded(), c.n.Rounded(), CurveFilesWritten{}};
      const mechanics::SampleLine* lines[kCurvesPerElement] = {&r.u, &r.w, &r.m, &r.v, &r.n};
      for (int k = 0; k < kCurvesPerElement; ++k) {
        files[static_cast<std::size_t>(e - 1) * kCurvesPerElement + static_cast<std::size_t>(k)] = {
            CurveFile(input, kLetters[k], e), *lines[k]};
      }
    }
  });
  if (!AllFinite(run.element_results)) return ResultsNotFinite(run.load_case);
  const std::vector<char> written = WriteSampleLines(files);
  for (int e = 1; e <= m; ++e) {
    const char* w = written.data() + static_cast<std::size_t>(e - 1) * kCurvesPerElement;
    run.element_results[static_cast<std::size_t>(e)].written = {w[0] != 0, w[1] != 0, w[2] != 0, w[3] != 0, w[4] != 0};
  }
  return FirstUnwritten(files, written);
}

}  // namespace zedir
