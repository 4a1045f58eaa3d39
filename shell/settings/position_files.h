#pragma once
// Opening a file of the position, and checking that a required one is there.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "common/result.h"

namespace quentaris {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Joins the non-empty parts into one path (a folder, a base name, the
// extension; or a whole path) and opens it with `mode` ("rb", "wb", "r", "w",
// "ab", "rt", "wt"). A file that cannot be opened gives a null file, or, when
// `required`, the failure "The file <path> is missing".
common::Outcome<FilePtr> OpenPositionFile(std::string_view mode, bool required, std::string_view part1,
                                          std::string_view part2 = {}, std::string_view part3 = {},
                                          std::string_view part4 = {});

// Success when the file can be opened for reading, else "The file <path> is missing".
common::Result EnsureFileExists(const std::string& path);

}  // namespace quentaris
