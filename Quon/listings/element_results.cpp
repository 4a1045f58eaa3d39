#include "Quon/listings/element_results.h"

#include "Quon/listings/page_counter.h"
#include "Quon/listings/result_page.h"
#include "Quon/results/load_case_results.h"
#include "common/position/output_list.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

// The next page with `text` (a text, or parts) and its line in FILES.
template <class Text>
common::Result WritePage(Run& run, const Text& text, const char* contents) {
  if (common::Result failed = UpdateLastD(run); !failed) return Abandon(run, failed);
  return StorePage(run, text, common::LoadCasePageEntry(run.page_label, run.load_case, contents));
}

}  // namespace

std::string ProgressText(const Run& run) {
  std::string text = "LC " + std::to_string(run.load_case);
  if (run.job.entry_count < 2) return text;
  return text + " = " + std::to_string(run.job.entry_index) + " of " + std::to_string(run.job.entry_count);
}

common::Result WriteLoadCasePages(Run& run) {
  if (common::Result failed = WritePage(run, ResultPageParts(run), kResultPageContents); !failed) return failed;
  return WritePage(run, DisplacementPageText(run), kDisplacementPageContents);
}

common::Result ComputeElementResults(Run& run, RunNotifier& notifier) {
  if (common::Result failed = ComputeLoadCaseResults(run); !failed) return failed;
  if (common::Result failed = WriteLoadCasePages(run); !failed) return failed;
  if (run.job.present) notifier.StatusText(ProgressText(run));
  return common::Result::Ok();
}

}  // namespace zedir
