#pragma once
// The listing page in work: the page counter LASTD hands out its number.
#include <string>
#include <vector>

#include "Quon/run/run.h"
#include "common/result.h"
#include "platform/text_block.h"

namespace zedir {

// A missing LASTD is created holding 2; the run's page label becomes "D<value + 1>" and its page
// file position folder + label + ".TXT". A LASTD that is missing after its creation, or damaged,
// fails (" The file <path> does not exist " or the damaged file's message) and leaves the page as
// it was. LASTD itself is raised by StorePage once the page is written.
common::Result UpdateLastD(Run& run);

// Writes the page in work, then LASTD with its number, then its line in FILES (`entry`); the
// first that fails is "The file <path> cannot be stored!" and the later ones are not written,
// so that neither LASTD nor FILES names a page that is not there.
common::Result StorePage(Run& run, const std::string& text, const std::string& entry);
// The same for a page made in parts whose lines end in CR LF already.
common::Result StorePage(Run& run, const std::vector<plat::TextBlock>& parts, const std::string& entry);

}  // namespace zedir
