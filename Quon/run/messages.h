#pragma once
// The failure texts of a run. Each names the file it is about.
#include <string>
#include <string_view>

#include "common/result.h"

namespace zedir {

// " The file <path> does not exist "
std::string FileMissingText(std::string_view path);
common::Result FileMissing(std::string_view path);

// "The file <path> is damaged: <problem>." (caption "Error", as common::CheckFile).
common::Result FileDamaged(std::string_view path, std::string_view problem);

// "Input error in the file <path>: <detail>." An index that lies outside its table.
common::Result InputError(std::string_view path, std::string_view detail);

// "<what> <value> lies outside 1..<count>": the detail of an index error.
std::string IndexProblem(std::string_view what, long long value, int count);

// "<what> <k>: ", the record an input error is about.
std::string RecordRef(std::string_view what, int k);

// "The file <path> cannot be stored!": a write that failed. Such a failure ends
// the run (a full disk or a read-only folder stops every later pass as well).
common::Result CannotStore(std::string_view path);
bool IsCannotStore(const common::Result& result);
// Success when `written`, else CannotStore(path).
common::Result Stored(bool written, std::string_view path);

// The caption of every failure of a run.
inline constexpr const char* kFailureCaption = "Error";

}  // namespace zedir
