#include "shell/positions/echo_copies.h"

#include <strings.h>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "shell/files/replace_file.h"
#include "shell/positions/position_name.h"

namespace quentaris {
namespace {

// Replaces every occurrence of `from` (ignoring case) by `to`; true when there was one.
bool ReplaceIgnoringCase(std::string& text, std::string_view from, std::string_view to) {
  bool replaced = false;
  for (std::size_t at = 0; at + from.size() <= text.size();) {
    if (::strncasecmp(text.data() + at, from.data(), from.size()) == 0) {
      text.replace(at, from.size(), to);
      at += to.size();
      replaced = true;
    } else {
      ++at;
    }
  }
  return replaced;
}

// The path of a file found in its folder without regard to the case of its name.
std::string FindFile(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return plat::FindCaseInsensitive("", path);
  return plat::FindCaseInsensitive(path.substr(0, slash + 1), path.substr(slash + 1));
}

bool Exists(const std::string& path) { return plat::FileExists(path) || plat::FolderExists(path); }

EchoCopy TargetExists(const std::string& source, const std::string& target) {
  return EchoCopy{source, target, EchoCopy::Outcome::kTargetExists,
                  common::Result::Fail("The file " + target + " exists already; it was not replaced.", "Error")};
}

// A copy not made because a target of the position exists.
EchoCopy NotCopied(const std::string& source, const std::string& target) {
  if (Exists(target)) return TargetExists(FindFile(source), target);
  return EchoCopy{FindFile(source), target, EchoCopy::Outcome::kSkipped,
                  common::Result::Fail("The file " + source + " was not copied: the position holds echo files already.",
                                       "Error")};
}

}  // namespace

EchoCopy CopyEchoFile(const std::string& source, const std::string& target, ExistingTarget existing) {
  EchoCopy copy{FindFile(source), target, EchoCopy::Outcome::kCopied, common::Result::Ok()};
  if (!plat::FileExists(copy.source)) {
    copy.outcome = EchoCopy::Outcome::kSourceMissing;
    copy.message = common::Result::Fail("The file " + copy.source + " is missing", "Error");
    return copy;
  }
  if (existing == ExistingTarget::kKeep && Exists(target)) return TargetExists(copy.source, target);
  const auto bytes = plat::ReadWholeFile(copy.source);
  if (!bytes) {
    copy.outcome = EchoCopy::Outcome::kFailed;
    copy.message = common::Result::Fail("The file " + copy.source + " cannot be read", "Error");
    return copy;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (!ReplaceFileWhole(target, text, SyncToDisk::kYes)) {
    copy.outcome = EchoCopy::Outcome::kFailed;
    copy.message = CannotStore(target);
  }
  return copy;
}

std::optional<std::string> LoadEchoName(std::string_view geometry_name) {
  std::string name(geometry_name);
  const bool echo = ReplaceIgnoringCase(name, "_G.", "_L.");
  const bool geo = ReplaceIgnoringCase(name, "GEO.", "LAST.");
  if (!echo && !geo) return std::nullopt;
  return name;
}

std::string Unquoted(std::string_view text) {
  const std::size_t first = text.find('"');
  if (first == std::string_view::npos) return std::string(text);
  const std::size_t second = text.find('"', first + 1);
  if (second == std::string_view::npos) return std::string(text.substr(first + 1));
  return std::string(text.substr(first + 1, second - first - 1));
}

EchoFilesCopy CopyEchoFilesToPosition(const std::string& data_path, std::string_view source, std::string_view name,
                                      ExistingTarget existing) {
  EchoFilesCopy result;
  result.refused = CheckPositionName(name);
  if (!result.refused) return result;
  const common::Position position(data_path, common::PositionExt(name));
  if (!common::EnsurePositionFolder(position)) {
    result.refused = common::Result::Fail("Folder " + position.folder() + " cannot be generated!", "Error");
    return result;
  }
  const std::string geometry = Unquoted(source);
  const std::size_t slash = geometry.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const auto load_name = LoadEchoName(std::string_view(geometry).substr(name_start));
  const std::string load = load_name ? geometry.substr(0, name_start) + *load_name : std::string();
  const std::string geometry_target = position.TextFile("ECHO_G");
  const std::string load_target = position.TextFile("ECHO_L");

  if (existing == ExistingTarget::kKeep && (Exists(geometry_target) || (load_name && Exists(load_target)))) {
    result.geometry = NotCopied(geometry, geometry_target);
    if (load_name) result.load = NotCopied(load, load_target);
    return result;
  }
  result.geometry = CopyEchoFile(geometry, geometry_target, existing);
  if (load_name) result.load = CopyEchoFile(load, load_target, existing);
  return result;
}

}  // namespace quentaris
