#pragma once
// The page LERVENTA is asked to show: its command line (the text as given,
// quotes and all) taken as a path, a relative one in the page folder (the
// program's own folder) whatever the case of its letters.
#include <string>
#include <string_view>

namespace lerventa {

struct PageRequest {
  enum class Kind {
    kBuiltIn,  // no command line: the program's own page
    kPage,     // an existing file the view shows
    kPdf,      // an existing ".pdf" document, for the desktop's viewer
    kMissing,  // no file of that name
  };
  Kind kind = Kind::kBuiltIn;
  std::string path;  // the file found, or the path looked for (kMissing)
};

// The request of a command line: empty is the built-in page; an absolute path
// stands as it is; a relative one is found in `page_folder` ignoring case.
PageRequest ResolvePage(std::string_view command_line, const std::string& page_folder);

// A name ending in ".pdf" in any case.
bool IsPdfName(std::string_view name);

}  // namespace lerventa
