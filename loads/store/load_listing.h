#pragma once
// The listing D2.TXT: one readable section per stored load case, in the order
// of their first store.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"
#include "loads/store/staged_files.h"
#include "platform/text_file.h"

namespace pundf {

// The line that heads load case n's section: " LC <n> " and its title.
std::string ListingHeading(int number);

// Writes the section of the current load case, headed by `number`; with
// `leading_rule` a rule line first.
void WriteLoadListing(plat::TextWriter& file, const LoadModel& model, int number, bool leading_rule);

// The listing a store rewrites, as the staging sees it: D2.TXT, else the listing "D2", else empty
// (a new listing). A file that cannot be read: "Error on opening files D2 and D2NEWD2 in
// LSTORE.C" (caption "Error").
common::Outcome<std::string> ReadListingText(const StagedFiles& staged, const common::Position& position);

// The listing `text` with the current load case's section in place of the old section of
// `number`, which ends where the section of `following` begins (0: at the end of the text). A
// listing without that section gets it at its end. Every line ends in CR LF.
std::string ListingWithCase(std::string_view text, const LoadModel& model, int number, int following);

// Rewrites D2.TXT through D2NEWD2 without the sections of the load cases in
// `removed`. A section runs from its heading to the line before the next
// heading of one of the diary's load cases; lines before the first heading
// stay. A missing D2.TXT stays missing. A file that cannot be opened: "Error on
// opening files D2 and D2NEWD2 in LSTORE.C" and D2.TXT stays as it was.
common::Result RemoveListingCases(const common::Position& position, const std::vector<int>& diary_numbers,
                                  const std::set<int>& removed);

}  // namespace pundf
