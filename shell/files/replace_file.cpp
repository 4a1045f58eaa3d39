#include "shell/files/replace_file.h"

namespace quentaris {

common::Result CannotStore(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be stored!", "Error");
}

}  // namespace quentaris
