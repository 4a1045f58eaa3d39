#include "shell/positions/reset_position.h"

#include <cstdint>
#include <optional>

#include "common/page/page_counter_files.h"
#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "common/records/frame_params.h"
#include "common/records/record_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "shell/files/replace_file.h"
#include "shell/positions/folder_cleaner.h"
#include "shell/positions/history.h"
#include "shell/positions/reset_outputs.h"
#include "shell/positions/solver_results.h"

namespace quentaris {
namespace {

inline constexpr const char* kCombinationCountFile = "SUPCOUNT";
inline constexpr int kMaxCombinations = 99;

void DeleteByMasks(FolderCleaner& cleaner) {
  cleaner.DeleteFilesByMask({"KOMBI_*.*",    "LOX*.*",       "UT_S_*.*",     "W_S*.*",        "M_S*.*",
                             "Q_S*.*",       "SSSX_*.*",     "STPTS*.*",     "UZFS*.*",       "DNODES20*.*",
                             "DNODES2_*.*",  "DNODES2EX_*.*", "KREUZEX_*.*", "KREUZEXP_P*.*", "ULDS*.*",
                             "UTMIMX_*.*",   "BMQ*.*",       "BMQP*.*",      "BFMAX*.*",      "BFMIN*.*",
                             "BF?_*.*",      "BV_S_*.*",     "BVMIMXP_*.*",  "SUMMIMX_*.*",   "BVMIMX_*.*",
                             "BFED_S_*.*",   "COPS_*.*",     "SFCLU_*.*",    "SPC_S_*.*",     "SPCX_*.*",
                             "KREUZLF*.*",   "PSI0KOMBI*.*", "PSI1KOMBI*.*", "PSI2KOMBI*.*",  "GZG_*.*"});
}

void DeleteRunFiles(const common::Position& position, FolderCleaner& cleaner) {
  const std::string& ext = position.ext();
  for (std::string_view name :
       {"ZEQS",     "INFO-T",  "INFO-U",    "U_AND_T",  "ORIGINCG",  "BATCH",     "RESTART",      "RHS",
        "BETA",     "BEW1BIN", "WEIGHTS",   "SUPKOMBI", "SUMSUPER",  "SUMMIMX",   "SSSX",         "UTMIMX",
        "BVMIMX",   "KEEPIND", "OPTIONS",   "SFCLU",    "SLQLR10",   "TRANSFER1", "LOADCHAR",     "LOADCHARN",
        "LOADCHARNMEM", "IANTE", "IANTE2"}) {
    cleaner.RemoveJoinedFile({name, ext});
  }
  for (std::string_view name : {"RHSIN", "RHSOUT", "SUPINFO"}) cleaner.RemoveJoinedFile({name});
}

// The results of every load case the solver may have written, whatever the diary holds now.
void DeleteLoadCaseFiles(const common::Position& position, FolderCleaner& cleaner) {
  for (int k = 1; k <= common::kMaxLoadCases; ++k) {
    const std::string lc = common::CurrentLoadCaseText(k);
    for (std::string_view name : {"EZERO", "ZFED", "UT8", "U_T", "SUM", "SSS", "PRMOB", "BV", "MEXTR", "ASG", "QBV",
                                  "SSSX", "BFED", "COP", "QEXTR"}) {
      cleaner.RemoveJoinedFile({name, lc, position.ext()});
    }
    for (std::string_view name : {"ASG", "AVMNT", "QBVIF", "BVIF", "QEXTP", "EXTP"}) {
      cleaner.RemoveJoinedFile({name, lc, ".TXT"});
    }
  }
}

common::Result Damaged(const std::string& path, std::string problem) {
  return common::CheckFile(path, common::FileStatus{plat::TableState::kDamaged, std::move(problem)});
}

// The number of elements with result files of their own: byte 66 of PARAMR (0 without the file).
// Nullopt, with the file named, when it is damaged.
std::optional<int> ElementFileCount(const common::Position& position, ResetReport& report) {
  const std::string path = position.File(common::file_names::kFrameParams);
  const auto params = common::ReadBlockRecord<common::FrameParams>(path);
  if (params.status.missing()) return 0;
  if (params.status.damaged()) {
    report.problems.push_back(common::CheckFile(path, params.status));
    return std::nullopt;
  }
  const int count = params.record.element_result_file_count();
  if (count < 0 || count > common::kMaxElements) {
    report.problems.push_back(Damaged(path, "its element count " + std::to_string(count) + " lies outside 0.." +
                                                std::to_string(common::kMaxElements)));
    return std::nullopt;
  }
  return count;
}

// The combination results. A damaged SUPCOUNT is named and stays, with the files it counts.
void DeleteCombinationFiles(const common::Position& position, std::optional<int> elements, FolderCleaner& cleaner,
                            ResetReport& report) {
  const std::string& ext = position.ext();
  cleaner.RemoveJoinedFile({"SUPREGULAR", ext});
  const std::string path = position.FolderFile(kCombinationCountFile);
  if (!plat::FileExists(path)) return;
  std::int16_t combinations = 0;
  const auto read = plat::ReadUpTo(path, &combinations, sizeof combinations).value_or(0);
  if (read < sizeof combinations) {
    report.problems.push_back(Damaged(path, "it holds " + std::to_string(read) + " of its 2 bytes"));
    return;
  }
  if (combinations < 0 || combinations > kMaxCombinations) {
    report.problems.push_back(Damaged(path, "its combination count " + std::to_string(combinations) +
                                                " lies outside 0.." + std::to_string(kMaxCombinations)));
    return;
  }
  cleaner.RemoveJoinedFile({kCombinationCountFile});
  cleaner.RemoveJoinedFile({"UTMIMX", ext});
  cleaner.RemoveJoinedFile({"SUPHIST"});
  cleaner.RemoveJoinedFile({"SUPSTRNG.C"});
  cleaner.RemoveJoinedFile({"COPS", ext});
  if (!elements) return;
  for (int t = 1; t <= combinations; ++t) {
    const std::string ts = std::to_string(t);
    for (int e = 1; e <= *elements; ++e) {
      const std::string es = std::to_string(e);
      for (std::string_view name : {"BF", "BMQS", "ULDS"}) cleaner.RemoveJoinedFile({name, es, ts, ext});
      for (std::string_view name : {"BFMIN", "BMQMIN", "BFMAX", "BMQMAX"}) cleaner.RemoveJoinedFile({name, es, ext});
    }
  }
}

void DeleteElementFiles(const common::Position& position, std::optional<int> elements, FolderCleaner& cleaner) {
  const std::string& ext = position.ext();
  for (std::string_view name : {"BETA", "WEIGHTS", "BV_AS", "GL_AS"}) cleaner.RemoveJoinedFile({name, ext});
  cleaner.RemoveJoinedFile({"AS_TXT.C"});
  for (int e = 1; e <= elements.value_or(0); ++e) {
    const std::string es = std::to_string(e);
    cleaner.RemoveJoinedFile({"FEBP", es, ext});
    cleaner.RemoveJoinedFile({"FEQBP", es, ext});
  }
}

// Keeps the records of flag 0 and adds the reset's own.
void RewriteHistory(const common::Position& position, ResetReport& report) {
  const std::string path = position.FolderFile(kHistoryFile);
  std::vector<common::HistoryRecord> kept;
  for (const common::HistoryRecord& record : ReadHistory(path)) {
    if (record.flag() == 0) kept.push_back(record);
  }
  kept.push_back(MakeHistoryRecord(kResetText));
  if (!WriteHistory(path, kept)) report.problems.push_back(CannotStore(path));
}

void ResetPageNumbering(const common::Position& position, ResetReport& report) {
  const std::string path = position.FolderFile(common::kPageNumberingFile);
  if (!plat::FileExists(path)) return;
  common::PageNumbering numbering = common::ReadPageNumberingFile(path);
  numbering.page = 1;
  numbering.sheet = 1;
  if (!common::WritePageNumberingFile(path, numbering)) report.problems.push_back(CannotStore(path));
}

}  // namespace

ResetReport ResetPosition(const common::Position& position, bool delete_outputs) {
  ResetReport report;
  const std::string folder = position.folder();
  if (!plat::FolderExists(folder)) {
    report.problems.push_back(common::Result::Fail(folder, "No access!"));
    return report;
  }
  FolderCleaner cleaner(folder);
  DeleteByMasks(cleaner);
  const std::optional<int> elements = ElementFileCount(position, report);
  DeleteRunFiles(position, cleaner);
  DeleteLoadCaseFiles(position, cleaner);
  DeleteSolverResults(position, cleaner);
  DeleteCombinationFiles(position, elements, cleaner, report);
  DeleteElementFiles(position, elements, cleaner);
  if (delete_outputs) {
    ResetListings(position, cleaner, report);
    ResetPictures(position, cleaner);
  }
  RewriteHistory(position, report);
  ResetPageNumbering(position, report);
  ReportDeleteFailures(cleaner, report);
  return report;
}

void ReportDeleteFailures(const FolderCleaner& cleaner, ResetReport& report) {
  for (const std::string& path : cleaner.failures()) {
    report.problems.push_back(common::Result::Fail("The file " + path + " cannot be deleted.", "Error"));
  }
}

}  // namespace quentaris
