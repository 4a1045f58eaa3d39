#include "Quon/run/messages.h"

#include "common/records/record_files.h"

namespace zedir {

std::string FileMissingText(std::string_view path) {
  return " The file " + std::string(path) + " does not exist ";
}

common::Result FileMissing(std::string_view path) {
  return common::Result::Fail(FileMissingText(path), kFailureCaption);
}

common::Result FileDamaged(std::string_view path, std::string_view problem) {
  return common::CheckFile(std::string(path), common::FileStatus{plat::TableState::kDamaged, std::string(problem)});
}

common::Result InputError(std::string_view path, std::string_view detail) {
  return common::Result::Fail("Input error in the file " + std::string(path) + ": " + std::string(detail) + ".",
                              kFailureCaption);
}

namespace {
constexpr std::string_view kCannotStoreEnd = " cannot be stored!";
}  // namespace

common::Result CannotStore(std::string_view path) {
  return common::Result::Fail("The file " + std::string(path) + std::string(kCannotStoreEnd), kFailureCaption);
}

bool IsCannotStore(const common::Result& result) {
  return !result.ok() && result.text().starts_with("The file ") && result.text().ends_with(kCannotStoreEnd);
}

common::Result Stored(bool written, std::string_view path) { return written ? common::Result::Ok() : CannotStore(path); }

std::string IndexProblem(std::string_view what, long long value, int count) {
  return std::string(what) + " " + std::to_string(value) + " lies outside 1.." + std::to_string(count);
}

std::string RecordRef(std::string_view what, int k) { return std::string(what) + " " + std::to_string(k) + ": "; }

}  // namespace zedir
