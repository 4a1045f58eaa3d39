#include "loads/manage/delete_load_cases.h"

#include <cstdint>
#include <cstring>
#include <set>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/store/load_case_log.h"
#include "loads/store/load_listing.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace fn = common::file_names;
namespace {

// The numbers of the entries that LCDEL marks for deletion.
std::set<int> Marked(const std::vector<std::byte>& lcdel, const std::vector<int>& numbers) {
  std::set<int> marked;
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    const std::size_t offset = k * sizeof(std::int16_t);
    if (offset + sizeof(std::int16_t) > lcdel.size()) break;
    std::int16_t keep;
    std::memcpy(&keep, lcdel.data() + offset, sizeof keep);
    if (keep == 0) marked.insert(numbers[k]);
  }
  return marked;
}

void RewriteLog(const std::string& path, const std::vector<int>& remaining, std::vector<common::Result>& messages) {
  if (!plat::FileExists(path)) return;
  const bool ok = remaining.empty() ? plat::RemoveFile(path) : WriteLoadCaseLog(path, remaining);
  if (!ok) messages.push_back(common::Result::Fail("The file " + path + " cannot be written.", "Error"));
}

}  // namespace

void RemoveLoadCaseFiles(const common::Position& position, int number) {
  for (const char* base : {fn::kLoadCaseParams, fn::kPointLoads, fn::kPointLoadNotes, fn::kLineLoads,
                           fn::kLineLoadNotes}) {
    const std::string path = position.LoadCaseFile(base, number);
    if (plat::FileExists(path)) plat::RemoveFile(path);
  }
}

std::vector<common::Result> DeleteLoadCases(LoadModel& model) {
  std::vector<common::Result> messages;
  const common::Position& pos = model.position;
  const std::string lcdel_path = pos.File("LCDEL");
  const auto lcdel = plat::ReadWholeFile(lcdel_path);
  if (!lcdel) return messages;
  common::LoadCaseDiary& diary = model.diary;
  if (!diary.has_valid_count()) {
    messages.push_back(common::Result::Fail("The diary claims " + std::to_string(diary.count()) +
                                                " load cases: nothing is deleted.",
                                            "Error"));
    return messages;
  }
  std::vector<int> numbers;
  for (int k = 1; k <= diary.count(); ++k) numbers.push_back(diary.load_case(k));
  const std::set<int> marked = Marked(*lcdel, numbers);

  if (auto r = RemoveListingCases(pos, numbers, marked); !r) messages.push_back(r);
  if (auto r = RemoveLoadEchoCases(pos, marked); !r) messages.push_back(r);

  // The entries are laid out anew; bytes beside them are carried unchanged.
  common::LoadCaseDiary kept = diary;
  for (int k = 1; k <= common::LoadCaseDiary::kMaxEntries; ++k) {
    kept.set_load_case(k, 0);
    kept.set_stored_again(k, 0);
    kept.set_origin(k, 0);
  }
  std::vector<int> remaining;
  for (int k = 1; k <= diary.count(); ++k) {
    const int number = diary.load_case(k);
    if (marked.contains(number)) {
      RemoveLoadCaseFiles(pos, number);
      continue;
    }
    const int slot = static_cast<int>(remaining.size()) + 1;
    kept.set_load_case(slot, diary.load_case(k));
    kept.set_stored_again(slot, diary.stored_again(k));
    kept.set_origin(slot, diary.origin(k));
    remaining.push_back(number);
  }
  kept.set_count(static_cast<std::int16_t>(remaining.size()));
  diary = kept;

  RewriteLog(pos.FolderFile("D2LOGW"), remaining, messages);
  RewriteLog(pos.FolderFile("D2LOG"), remaining, messages);
  const std::string diary_path = pos.File(fn::kDiary);
  if (!common::WriteBlockRecord(diary_path, diary)) {
    messages.push_back(common::Result::Fail("The file " + diary_path + " cannot be written.", "Error"));
  }
  plat::RemoveFile(lcdel_path);
  return messages;
}

}  // namespace pundf
