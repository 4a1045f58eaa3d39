#pragma once
// Writing the model's files with a failure that names the file, so that no
// write is lost silently.
#include <initializer_list>
#include <string>
#include <utility>

#include "common/records/record_files.h"
#include "common/result.h"

namespace kelmf {

// The first failure of several steps that all ran, or success.
common::Result FirstFailure(std::initializer_list<common::Result> results);

// "The file <path> cannot be stored!", caption "Error".
common::Result CannotStore(const std::string& path);

// A table file (int16 count, then the records).
template <class Tab>
common::Result StoreTable(const std::string& path, const Tab& table) {
  return common::WriteTable(path, table) ? common::Result::Ok() : CannotStore(path);
}

// A file of one block.
template <class R>
common::Result StoreBlock(const std::string& path, const R& record) {
  return common::WriteBlockRecord(path, record) ? common::Result::Ok() : CannotStore(path);
}

// Reads a table file into `table`. A missing file gives a table of the one
// `default_record`, which is written at once; a damaged file is reported and
// leaves `table` as it was.
template <class Tab>
common::Result LoadTableOrDefault(const std::string& path, Tab& table, const typename Tab::Record& default_record) {
  auto read = common::ReadTable<Tab>(path);
  if (read.status.damaged()) return common::CheckFile(path, read.status);
  if (read.status.missing()) {
    table.Clear();
    table.Append(default_record);
    return StoreTable(path, table);
  }
  table = std::move(read.table);
  return common::Result::Ok();
}

}  // namespace kelmf
