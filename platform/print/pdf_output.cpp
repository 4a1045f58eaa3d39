#include "platform/print/pdf_output.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace plat {
namespace {

std::mutex claim_mutex;

}  // namespace

std::string PrintToPdfBase() {
  const char* base = std::getenv("PLAT_PRINT_TO_PDF");
  return base ? std::string(base) : std::string();
}

std::string NumberedPdfPath(const std::string& base, int n) {
  if (n <= 1) return base;
  const std::size_t slash = base.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = base.rfind('.');
  // A leading dot belongs to the name ("/a/.pdf" has no extension).
  if (dot == std::string::npos || dot <= name_start) dot = base.size();
  return base.substr(0, dot) + "-" + std::to_string(n) + base.substr(dot);
}

std::string ClaimPdfPath(const std::string& base) {
  // One count per base name, so that a process printing to two bases numbers each alone.
  static std::map<std::string, int> claimed;
  std::lock_guard<std::mutex> lock(claim_mutex);
  return NumberedPdfPath(base, ++claimed[base]);
}

}  // namespace plat
