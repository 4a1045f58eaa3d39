#include "common/position/limit_messages.h"

#include <string>

#include "common/records/capacities.h"

namespace common {
namespace {
Result Limit(const char* what, int max) {
  return Result::Fail(std::string("Too many ") + what + ", max = " + std::to_string(max), "Error");
}
}  // namespace

Result TooManyNodes() { return Limit("nodes", kMaxNodes); }
Result TooManyElements() { return Limit("elements", kMaxElements); }
Result TooManyCrossSections() { return Limit("cross sections", kMaxCrossSections); }
Result TooManyMaterials() { return Limit("materials", kMaxMaterials); }

}  // namespace common
