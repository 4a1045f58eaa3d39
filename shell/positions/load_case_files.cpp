#include "shell/positions/load_case_files.h"

#include <string>
#include <string_view>
#include <vector>

#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/capacities.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"
#include "shell/files/replace_file.h"
#include "shell/positions/folder_cleaner.h"
#include "shell/positions/reset_outputs.h"

namespace quentaris {
namespace {

namespace fn = common::file_names;

constexpr std::string_view kLoadListing = "D2";

// FILES without the lines of the load listing; a FILES without them stays as it is. False, with
// the problem reported, when FILES cannot be read or written: it may still name the listing.
bool DropLoadListingLines(const common::Position& position, ResetReport& report) {
  const std::string path = position.FolderFile(common::kOutputListFile);
  if (!plat::FileExists(path)) return true;
  const auto lines = plat::ReadLines(path);
  if (!lines) {
    report.problems.push_back(common::Result::Fail("The file " + path + " cannot be read.", "Error"));
    return false;
  }
  std::vector<std::string> kept;
  for (const std::string& line : *lines) {
    if (common::ListingOfLine(line) != kLoadListing) kept.push_back(line);
  }
  return kept.size() == lines->size() || RewriteOutputList(path, kept, report);
}

}  // namespace

void ForgetLoadCases(const common::Position& position, ResetReport& report) {
  FolderCleaner cleaner(position.folder());
  const std::string& ext = position.ext();
  cleaner.RemoveJoinedFile({fn::kDiary, ext});
  for (int k = 1; k <= common::kMaxLoadCases; ++k) {
    const std::string lc = common::CurrentLoadCaseText(k);
    for (std::string_view base : {fn::kLoadCaseParams, fn::kPointLoads, fn::kPointLoadNotes, fn::kLineLoads,
                                  fn::kLineLoadNotes, fn::kSupports, fn::kPrestress, fn::kTemperatures}) {
      cleaner.RemoveJoinedFile({base, lc, ext});
    }
  }
  for (std::string_view name : {"TIMELW", "D2LOG", "D2LOGW", "ECHO_L.TXT"}) cleaner.RemoveJoinedFile({name});
  for (std::string_view name : {"LCDEL", "ECHO_L", "ACADLOAD"}) cleaner.RemoveJoinedFile({name, ext});
  // The list first: the listing goes only when FILES no longer names it.
  if (DropLoadListingLines(position, report)) {
    for (std::string_view extension : {"", ".TXT", ".PDF"}) cleaner.RemoveJoinedFile({kLoadListing, extension});
  }
  ReportDeleteFailures(cleaner, report);
}

}  // namespace quentaris
