#pragma once
// Making sure a data path exists, and what a folder path may hold.
#include <optional>
#include <string>
#include <string_view>

namespace quentaris {

// How the user asked: the OK button and the Enter key word their messages differently.
enum class AskedBy { kOkButton, kEnterKey };

// Makes the folder `path` level by level when it is missing; the current
// folder never changes. A path that does not begin with "/" names a "drive"
// (its first part) that is not there. On a failure the message box under
// "Error" names the part reached so far, and the result is false.
bool EnsureDataPath(const std::string& path, AskedBy asked_by);

// Makes the absolute folder `path` level by level. Empty when it exists
// afterwards; else the path of the level that could not be made.
std::string MakeFolderLevels(std::string_view path);

// The most a data path may hold (DPATH keeps 240 characters with its final "/").
inline constexpr std::size_t kMaxDataPath = 239;
// Empty when `path` can be a data path; else the message that refuses it
// (too long, or holding "@", where the programs' command lines split).
std::string DataPathRefusal(std::string_view path);

// A folder path the folder dialog accepts: absolute, every part between "/"
// not empty, not beginning or ending with a blank, a tab or a point, and none
// of * : < > ? \ | " in it; "/" alone is valid. At most 259 characters.
bool IsValidFolderPath(std::string_view path);
inline constexpr std::size_t kMaxFolderPath = 259;

// A position folder picked in a tree: the part after "SDIR" (found without
// regard to case in the last part of the path) is the position's name, the
// path before that part its data path (ending with "/").
struct PickedPosition {
  std::string name;
  std::string data_path;
};
std::optional<PickedPosition> PositionOfFolder(std::string_view folder);

}  // namespace quentaris
