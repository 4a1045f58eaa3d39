#pragma once
// Print jobs into PDF files: with PLAT_PRINT_TO_PDF=<file> every job of the
// process goes to a PDF without a dialog; the first finished job to <file>,
// later ones to <stem>-2<ext>, <stem>-3<ext>, ... beside it.
#include <string>

namespace plat {

// PLAT_PRINT_TO_PDF, or empty when it is not set.
std::string PrintToPdfBase();

// The file of the n-th job (n >= 1) of a base name: "/a/out.pdf" gives
// "/a/out.pdf", "/a/out-2.pdf", ...; a name without extension gets "-n" at its end.
std::string NumberedPdfPath(const std::string& base, int n);

// Takes the next file of a base name for this process.
std::string ClaimPdfPath(const std::string& base);

}  // namespace plat
