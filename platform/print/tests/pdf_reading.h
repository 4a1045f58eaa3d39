#pragma once
// Reading printed PDFs back in tests with poppler's pdfinfo and pdftotext,
// and the environment of a test's print jobs.
#include <string>
#include <vector>

namespace plat::testing {

struct PdfPageSize {
  double width = 0;  // points
  double height = 0;
};

// The pages of a PDF with their sizes; empty when it cannot be read.
std::vector<PdfPageSize> PdfPages(const std::string& pdf);
// The text of one page (1-based).
std::string PdfPageText(const std::string& pdf, int page);

// While alive, PLAT_PRINT_TO_PDF names a file (or is unset for an empty name).
class PrintToPdf {
 public:
  explicit PrintToPdf(const std::string& file);
  ~PrintToPdf();
  PrintToPdf(const PrintToPdf&) = delete;
  PrintToPdf& operator=(const PrintToPdf&) = delete;
};

}  // namespace plat::testing
