#include "Quon/listings/page_counter.h"

#include "Quon/run/messages.h"
#include "common/position/output_list.h"

namespace zedir {

common::Result UpdateLastD(Run& run) {
  const common::PageCount page = common::AdvancePageCounter(run.position);
  const std::string path = run.position.FolderFile(common::kPageCounterFile);
  if (page.status.missing()) return FileMissing(path);
  if (common::Result damaged = common::CheckFile(path, page.status); !damaged) return damaged;
  run.page_label = common::PageLabel(page.value);
  run.page_file = common::PageFile(run.position, run.page_label);
  return common::Result::Ok();
}

}  // namespace zedir
