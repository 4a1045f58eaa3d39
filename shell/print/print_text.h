#pragma once
// Printing text listings with the page settings of DRUCKER1.INI, and copying
// the position's text outputs into one file.
#include <string>
#include <vector>

#include "common/result.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// The name print jobs carry.
inline constexpr const char* kPrintDocumentName = "QUENTARIS";

// Prints one text file after the print dialog: as many lines a page as fit
// below the upper margin. False when the dialog was cancelled or printing failed
// (the failure is shown).
bool PrintTextFile(const ShellState& state, const std::string& path);

// Prints the text outputs D<n> (or D<n>.TXT) of the position: each starts a
// page; every page holds the headings, a blank line, the listing's lines and at
// the foot the page numbering of PAGENR's style (and the date when flagged).
// PAGENR is written back with the next page and sheet. A missing output ends
// the job after the pages so far, is named in a message and leaves PAGENR.
bool PrintTextFiles(const ShellState& state, const std::vector<int>& outputs);

// Copies the outputs one after the other into <position folder><name>; a
// missing output is skipped. False (and a message) when the file cannot be written.
bool PrintTextFilesToFile(const ShellState& state, const std::string& name, const std::vector<int>& outputs);

// The file of text output `number`: D<n>, else D<n>.TXT; empty when neither exists.
std::string TextOutputPath(const ShellState& state, int number);

// The foot text of a page in a numbering style (0..4).
std::string PageFootText(int style, int page, int sheet);

}  // namespace quentaris
