#pragma once
// File-system services: existence, sizes, times, copies, folders, wildcards.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

bool FileExists(const std::string& path);    // a regular file
bool FolderExists(const std::string& path);  // a directory
std::optional<std::int64_t> FileSize(const std::string& path);
// Modification time in nanoseconds since 1970 (64-bit), so that two writes
// within one second compare as ordered (the later one strictly greater).
std::optional<std::int64_t> FileTime(const std::string& path);
bool RemoveFile(const std::string& path);
// Opens a file for writing anew ("wb"). A writable file of that name is removed first, so that the
// file system starts a new file instead of truncating the old one (ext4 writes a truncated file's
// data out when it is closed: milliseconds per file). nullptr when it cannot be created.
std::FILE* OpenForReplace(const std::string& path);
// Renames, replacing an existing target.
bool RenameFile(const std::string& from, const std::string& to);
// Removes `to` when it is there, then gives `from` its name. A rename over an existing file
// makes ext4 write the moved file's data out at once (a millisecond per file); onto a free name
// the data stays in the cache as a new file's does. False when `to` cannot be removed or the
// rename fails.
bool MoveOntoFreedName(const std::string& from, const std::string& to);
// Copies a file; without overwrite an existing target makes the copy fail.
bool CopyFile(const std::string& from, const std::string& to, bool overwrite);
// Creates a folder (and missing parents); true when it exists afterwards.
bool MakeFolder(const std::string& path);
// Names (not paths) of the regular files in a folder matching a wildcard, sorted.
std::vector<std::string> ListFolder(const std::string& folder, std::string_view pattern = "*.*");
// Windows-style wildcard match: '*' any run, '?' one character, case-insensitive;
// "*.*" matches every name, also one without a dot.
bool WildcardMatch(std::string_view pattern, std::string_view name);
// The entry of a folder whose name equals `name` ignoring case, as a full path;
// the plain join when none exists.
std::string FindCaseInsensitive(const std::string& folder, const std::string& name);

}  // namespace plat
