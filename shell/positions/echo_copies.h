#pragma once
// Copies of the echo texts, the master copies of a position: a geometry echo ECHO_G.<name>.TXT and
// a load echo ECHO_L.<name>.TXT in the position's folder.
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"

namespace quentaris {

enum class ExistingTarget {
  kKeep,     // an existing target is reported and stays
  kReplace,  // the caller asked: the target is replaced whole
};

// One copy and how it went.
struct EchoCopy {
  enum class Outcome {
    kCopied,
    kSourceMissing,
    kTargetExists,
    kSkipped,  // not tried: the other echo file's target exists, and a position changes whole or not at all
    kFailed,
  };
  std::string source;  // as found (the case of its name may differ from the one asked for)
  std::string target;
  Outcome outcome = Outcome::kFailed;
  common::Result message;  // why it was not copied; Ok when copied

  bool copied() const { return outcome == Outcome::kCopied; }
};

// Copies the file byte for byte. The source is found without regard to the case of its name; the
// target is written beside and renamed over, synced first (a master copy).
EchoCopy CopyEchoFile(const std::string& source, const std::string& target, ExistingTarget existing);

// The load echo's name for a geometry echo's file name (the name only, no folder): every "_G."
// becomes "_L." and every "GEO." becomes "LAST.", ignoring case. Nullopt when neither occurs, so
// that a geometry echo never becomes its own load echo.
std::optional<std::string> LoadEchoName(std::string_view geometry_name);

// The copies of a dropped echo file into the position `name` under `data_path`.
struct EchoFilesCopy {
  common::Result refused;         // a bad position name or a folder that cannot be made: no copy
  EchoCopy geometry;
  std::optional<EchoCopy> load;  // none when the source's name gives no load echo name
};

// Makes <data path>SDIR<name>/, copies the source (its text between the first pair of double
// quotes when it holds any) to ECHO_G.<name>.TXT there and the file of LoadEchoName beside the
// source to ECHO_L.<name>.TXT. A missing source and an existing target are reported in the copy's
// outcome; an existing target is replaced only with ExistingTarget::kReplace, and without it no
// copy is made while either target exists.
EchoFilesCopy CopyEchoFilesToPosition(const std::string& data_path, std::string_view source, std::string_view name,
                                      ExistingTarget existing = ExistingTarget::kKeep);

// The text between the first pair of double quotes (to the end when the second is missing); the
// text itself when it holds none.
std::string Unquoted(std::string_view text);

}  // namespace quentaris
