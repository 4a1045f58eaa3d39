#include "Quon/run/require_file.h"

#include <cstdio>

#include "Quon/run/messages.h"
#include "platform/files.h"

namespace zedir {

common::Result RequireFile(const std::string& path) {
  if (plat::FileExists(path)) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
      std::fclose(file);
      return common::Result::Ok();
    }
  }
  return FileMissing(path);
}

}  // namespace zedir
