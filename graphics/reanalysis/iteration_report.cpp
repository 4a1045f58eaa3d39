#include "graphics/reanalysis/iteration_report.h"

#include "common/position/output_list.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/fem/force_extremes.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "platform/text_file.h"

namespace revuzavi {
namespace {

int NextElement(const ViewerState& state, int sense) {
  return sense == kFollowTension ? MostStretchedElement(state) : MostCompressedElement(state);
}

void WriteElementLine(plat::TextWriter& page, int sense, int e) {
  page.Printf(sense == kFollowTension ? "Tension in element %i, " : "Compression in element %i, ", e);
}

common::Result CannotWrite(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be written.", "Error");
}

void RemoveElement(common::ElementRecord& element) {
  element.set_modified_flag(1);
  element.set_switched_off_flag(1);
  element.set_stiffness_factor(0.0f);
}

}  // namespace

common::Result WriteIterationReport(ViewerState& state, ReanalysisState& run, PictureState& picture,
                                    const ViewState& view, ReanalysisView& out, int& step, int sense) {
  const common::PageCount page_number = common::NextPage(state.position);
  if (!page_number.status.ok()) {
    return UnusableFile(state.position.FolderFile(common::kPageCounterFile), page_number.status);
  }
  std::string text;
  plat::TextWriter page;
  page.OpenText(text);

  step = 0;
  run.iteration_count = 0;
  ViewState modified = view;
  modified.reanalysis_mode = true;
  ComputeNormalForceCurves(state, view);
  int b = NextElement(state, sense);
  WriteElementLine(page, sense, b);
  common::Result stopped = common::Result::Ok();
  while (b > 0) {
    ++run.step_count;  // Esc deletes the working copies of the steps counted
    ClearLabelPositions(picture);
    const common::ElementRecord before = state.elements[b];
    const int picks = run.picked_elements.count();
    run.picked_elements.Add(b);
    RemoveElement(state.elements[b]);
    stopped = IterateModifiedStiffness(state, run, out, step);
    if (!stopped) {
      // The displacements stay those of the last result: so does the element.
      state.elements[b] = before;
      run.picked_elements.Truncate(picks);
      page.Printf("%s\n", StopNote(stopped).c_str());
      break;
    }
    if (run.method == ReanalysisState::kIterative) {
      page.Printf(run.converged ? "Number of iterations = %i \n" : "Number of iterations = %i (not converged)\n",
                  run.iteration_count);
    } else {
      page.Printf("Number of iterations = %i (direct solution)\n", run.iteration_count);
    }
    ComputeNormalForceCurves(state, modified);
    b = NextElement(state, sense);
    if (b > 0) WriteElementLine(page, sense, b);
  }
  (void)page.Close();
  // The page, then LASTD naming it, then its line in FILES.
  const std::string label = common::PageLabel(page_number.value);
  const std::string path = common::PageFile(state.position, label);
  if (!plat::WriteTextFile(path, text)) return CannotWrite(path);
  if (!common::WritePageCounter(state.position, page_number.value)) {
    return CannotWrite(state.position.FolderFile(common::kPageCounterFile));
  }
  if (!common::AppendOutputList(state.position,
                                common::LoadCasePageEntry(label, state.current_load_case, "    Iterations "))) {
    return CannotWrite(state.position.FolderFile(common::kOutputListFile));
  }
  return stopped;
}

}  // namespace revuzavi
