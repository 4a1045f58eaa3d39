#pragma once
// The page printer's command line: a listing's name, optionally with "/p"
// (print it on the default printer and end).
#include <string>
#include <string_view>

namespace zevril {

struct ZevrilCommandLine {
  std::string file;    // empty: no listing named
  bool print = false;  // "/p", in any case
};

// The joined arguments: every word "/p" asks for printing; the other words,
// joined with blanks and without surrounding double quotes, name the file.
ZevrilCommandLine ParseZevrilCommandLine(std::string_view text);

}  // namespace zevril
