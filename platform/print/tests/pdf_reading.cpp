#include "platform/print/tests/pdf_reading.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace plat::testing {
namespace {

std::string Quoted(const std::string& path) {
  std::string out = "'";
  for (char c : path) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Output(const std::string& command) {
  std::string out;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

}  // namespace

std::vector<PdfPageSize> PdfPages(const std::string& pdf) {
  std::istringstream lines(Output("pdfinfo -f 1 -l 9999 " + Quoted(pdf) + " 2>/dev/null"));
  std::vector<PdfPageSize> pages;
  std::string line;
  while (std::getline(lines, line)) {
    int number = 0;
    PdfPageSize size;
    if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf", &number, &size.width, &size.height) == 3) {
      pages.push_back(size);
    }
  }
  return pages;
}

std::string PdfPageText(const std::string& pdf, int page) {
  const std::string n = std::to_string(page);
  return Output("pdftotext -f " + n + " -l " + n + " " + Quoted(pdf) + " - 2>/dev/null");
}

PrintToPdf::PrintToPdf(const std::string& file) {
  if (file.empty()) {
    ::unsetenv("PLAT_PRINT_TO_PDF");
  } else {
    ::setenv("PLAT_PRINT_TO_PDF", file.c_str(), 1);
  }
}

PrintToPdf::~PrintToPdf() { ::unsetenv("PLAT_PRINT_TO_PDF"); }

}  // namespace plat::testing
