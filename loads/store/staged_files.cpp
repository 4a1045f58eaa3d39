#include "loads/store/staged_files.h"

#include <algorithm>

#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace {

std::optional<std::string> DiskBytes(const std::string& path) {
  if (!plat::FileExists(path)) return std::nullopt;
  auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// Puts the bytes a file had before a commit back in place; a file that was not there goes again.
void Restore(const std::string& path, const std::optional<std::string>& old) {
  if (!old) {
    if (plat::FileExists(path)) plat::RemoveFile(path);
    return;
  }
  if (DiskBytes(path) == old) return;
  const std::string work = plat::WorkFileOf(path);
  if (plat::WriteNewFile(work, old->data(), old->size(), plat::Sync::kYes) && plat::RenameFile(work, path)) return;
  plat::RemoveFile(work);
}

}  // namespace

common::Result CannotWrite(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be written.", "Error");
}

StagedFiles::File* StagedFiles::Find(const std::string& path) {
  const auto it = std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == path; });
  return it == files_.end() ? nullptr : &*it;
}

const StagedFiles::File* StagedFiles::Find(const std::string& path) const {
  const auto it = std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == path; });
  return it == files_.end() ? nullptr : &*it;
}

const std::string* StagedFiles::Held(const std::string& path) const {
  const File* file = Find(path);
  return file ? &file->bytes : nullptr;
}

void StagedFiles::Set(const std::string& path, std::string bytes, plat::Sync sync) {
  if (File* file = Find(path)) {
    file->bytes = std::move(bytes);
    if (sync == plat::Sync::kYes) file->sync = sync;
    return;
  }
  files_.push_back(File{path, std::move(bytes), sync});
}

std::string& StagedFiles::ForAppend(const std::string& path, plat::Sync sync) {
  if (File* file = Find(path)) {
    if (sync == plat::Sync::kYes) file->sync = sync;
    return file->bytes;
  }
  files_.push_back(File{path, DiskBytes(path).value_or(std::string()), sync});
  return files_.back().bytes;
}

std::optional<std::string> StagedFiles::Bytes(const std::string& path) const {
  if (const std::string* held = Held(path)) return *held;
  return DiskBytes(path);
}

bool StagedFiles::Exists(const std::string& path) const {
  if (Held(path)) return true;
  return plat::FileExists(path);
}

bool StagedFiles::Readable(const std::string& path) const {
  return Held(path) || !plat::FileExists(path) || DiskBytes(path).has_value();
}

void StagedFiles::Drop(const std::string& path) {
  std::erase_if(files_, [&](const File& f) { return f.path == path; });
}

common::Result StagedFiles::Commit() {
  const std::vector<File> files = std::move(files_);
  files_.clear();
  std::vector<std::optional<std::string>> old;
  for (const File& f : files) old.push_back(DiskBytes(f.path));
  // A file that holds the staged bytes already is left as it is (a rebuild of unchanged load
  // cases writes nothing); the synced master copies are written whatever they hold.
  std::vector<char> unchanged;
  for (std::size_t k = 0; k < files.size(); ++k) {
    unchanged.push_back(files[k].sync == plat::Sync::kNo && old[k] && *old[k] == files[k].bytes);
  }
  auto remove_work = [&](std::size_t from) {
    for (std::size_t k = from; k < files.size(); ++k) {
      if (!unchanged[k]) plat::RemoveFile(plat::WorkFileOf(files[k].path));
    }
  };
  for (std::size_t k = 0; k < files.size(); ++k) {
    const File& f = files[k];
    if (unchanged[k]) continue;
    if (plat::FolderExists(f.path) ||
        !plat::WriteNewFile(plat::WorkFileOf(f.path), f.bytes.data(), f.bytes.size(), f.sync)) {
      remove_work(0);
      return CannotWrite(f.path);
    }
  }
  for (std::size_t k = 0; k < files.size(); ++k) {
    const File& f = files[k];
    if (unchanged[k]) continue;
    const std::string work = plat::WorkFileOf(f.path);
    const bool moved = f.sync == plat::Sync::kYes ? plat::RenameFile(work, f.path)
                                                  : plat::MoveOntoFreedName(work, f.path);
    if (!moved) {
      remove_work(k);
      for (std::size_t j = 0; j <= k; ++j) Restore(files[j].path, old[j]);
      return CannotWrite(f.path);
    }
  }
  return common::Result::Ok();
}

bool TextFileExists(const StagedFiles* staged, const std::string& path) {
  return staged ? staged->Exists(path) : plat::FileExists(path);
}

std::optional<std::string> TextFileBytes(const StagedFiles* staged, const std::string& path) {
  return staged ? staged->Bytes(path) : plat::ReadText(path);
}

std::optional<std::vector<std::string>> TextFileLines(const StagedFiles* staged, const std::string& path) {
  const auto bytes = TextFileBytes(staged, path);
  if (!bytes) return std::nullopt;
  return plat::SplitLines(*bytes);
}

std::string TextBytes(std::string_view text) {
  std::string bytes;
  plat::TextWriter out;
  out.OpenText(bytes);
  out.Write(text);
  out.Close();
  return bytes;
}

}  // namespace pundf
