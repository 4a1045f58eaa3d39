#include "Quon/listings/page_counter.h"

#include "Quon/run/messages.h"
#include "common/position/output_list.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {

common::Result UpdateLastD(Run& run) {
  const common::PageCount page = common::NextPage(run.position);
  const std::string path = run.position.FolderFile(common::kPageCounterFile);
  if (page.status.missing()) return FileMissing(path);
  if (common::Result damaged = common::CheckFile(path, page.status); !damaged) return damaged;
  run.page_label = common::PageLabel(page.value);
  run.page_file = common::PageFile(run.position, run.page_label);
  run.page_number = page.value;
  return common::Result::Ok();
}

namespace {

// LASTD and FILES after the page went.
common::Result CountPage(Run& run, const std::string& entry) {
  if (!common::WritePageCounter(run.position, run.page_number)) {
    return CannotStore(run.position.FolderFile(common::kPageCounterFile));
  }
  return Stored(common::AppendOutputList(run.position, entry), run.position.FolderFile(common::kOutputListFile));
}

}  // namespace

common::Result StorePage(Run& run, const std::string& text, const std::string& entry) {
  if (!plat::WriteTextFile(run.page_file, text)) return CannotStore(run.page_file);
  return CountPage(run, entry);
}

common::Result StorePage(Run& run, const std::vector<plat::TextBlock>& parts, const std::string& entry) {
  std::vector<plat::BlockPiece> pieces;
  pieces.reserve(parts.size());
  for (const plat::TextBlock& part : parts) pieces.push_back({part.text().data(), part.text().size()});
  if (!plat::WriteBlock(run.page_file, pieces)) return CannotStore(run.page_file);
  return CountPage(run, entry);
}

}  // namespace zedir
