#pragma once
// The two copies of the store dialog: a position's echo texts into an archive folder ("Saved
// data"), and an archive's echo texts into a position ("Load"). Each lists what it did for the
// dialog and appends the event to the position's history.
#include <string>
#include <string_view>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"

namespace quentaris {

struct ArchiveCopyReport {
  std::vector<std::string> lines;                // the dialog's list
  common::Result result = common::Result::Ok();  // the first failure
};

// "%s  --->  %s".
std::string CopyLine(std::string_view source, std::string_view target);

// Copies the position's ECHO_G<ext>.TXT and ECHO_L<ext>.TXT into the archive folder (a "/" is
// added when missing), replacing what is there, and appends "Data stored in file <archive
// copy of the geometry echo>." to the position's TTABLE. A missing load echo is skipped; a missing
// geometry echo is a failure and no history is written.
ArchiveCopyReport StoreEchoFilesToArchive(const common::Position& position, std::string archive_folder);

// Copies <archive folder>ECHO_G.<source name>.TXT (the name found without regard to case) to
// <target folder>ECHO_G.<target name>.TXT, and the ECHO_L alike, replacing what is there (the
// caller asked); lists the copies and the advice lines; appends "Frame data read from file
// <geometry echo>." to <target folder>TTABLE. A missing load echo is skipped; a missing geometry
// echo is a failure and no history is written.
ArchiveCopyReport LoadEchoFilesFromArchive(std::string archive_folder, std::string_view source_name,
                                           const std::string& target_folder, std::string_view target_name);

}  // namespace quentaris
