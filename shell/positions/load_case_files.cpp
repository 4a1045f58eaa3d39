#include "shell/positions/load_case_files.h"

#include <string>
#include <string_view>

#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/capacities.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"
#include "shell/files/replace_file.h"
#include "shell/positions/folder_cleaner.h"

namespace quentaris {
namespace {

namespace fn = common::file_names;

constexpr std::string_view kLoadListing = "D2";

// FILES without the lines of the load listing; a FILES without them stays as it is.
void DropLoadListingLines(const common::Position& position, ResetReport& report) {
  const std::string path = position.FolderFile(common::kOutputListFile);
  const auto lines = plat::ReadLines(path);
  if (!lines) return;
  std::string kept;
  plat::TextWriter writer;
  writer.OpenText(kept);
  bool dropped = false;
  for (const std::string& line : *lines) {
    if (common::ListingOfLine(line) == kLoadListing) {
      dropped = true;
    } else {
      writer.Write(line + "\n");
    }
  }
  writer.Close();
  if (dropped && !plat::ReplaceWholeFile(path, kept)) report.problems.push_back(CannotStore(path));
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
  DropLoadListingLines(position, report);
  for (std::string_view extension : {"", ".TXT", ".PDF"}) cleaner.RemoveJoinedFile({kLoadListing, extension});
  ReportDeleteFailures(cleaner, report);
}

}  // namespace quentaris
