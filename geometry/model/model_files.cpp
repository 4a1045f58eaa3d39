#include "geometry/model/model_files.h"

namespace kelmf {

common::Result FirstFailure(std::initializer_list<common::Result> results) {
  for (const common::Result& r : results) {
    if (!r) return r;
  }
  return common::Result::Ok();
}

common::Result CannotStore(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be stored!", "Error");
}

}  // namespace kelmf
