#pragma once
// The page counter of printed listings: FSEITE (int16, the next page) and
// FSEITE.TXT (its decimal text, no line end) in the folder FKPFAD names, or,
// without FKPFAD, in the folder of the printed listing.
#include <optional>
#include <string>

#include "Zelko1/page/zevril_state.h"
#include "common/result.h"

namespace zevril {

inline constexpr const char* kPageCounterTextFile = "FSEITE.TXT";

// The folder of the counter files ("" is the current folder, for a listing
// named without one); nullopt when neither FKPFAD nor a listing names one.
std::optional<std::string> CounterFolder(const ZevrilState& state);

// Takes FSEITE's value into the counter when the file is there.
void ReloadPageCounter(ZevrilState& state);

// Writes FSEITE, and with `with_text` FSEITE.TXT; a failure names the file.
// Nothing is written when no folder is known.
common::Result StorePageCounter(const ZevrilState& state, bool with_text);

}  // namespace zevril
