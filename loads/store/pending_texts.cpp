#include "loads/store/pending_texts.h"

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace pundf {

const std::string* PendingTexts::Held(const std::string& path) const {
  const auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

void PendingTexts::Set(const std::string& path, std::string bytes) {
  missing_.erase(path);
  files_[path] = std::move(bytes);
}

void PendingTexts::HoldMissing(const std::string& path) {
  files_.erase(path);
  missing_.insert(path);
}

std::string& PendingTexts::ForAppend(const std::string& path) {
  const auto it = files_.find(path);
  if (it != files_.end()) return it->second;
  std::string bytes;
  if (missing_.erase(path) > 0) return files_[path] = std::move(bytes);
  if (auto disk = plat::ReadWholeFile(path)) bytes.assign(reinterpret_cast<const char*>(disk->data()), disk->size());
  return files_[path] = std::move(bytes);
}

bool OpenTextFile(plat::TextWriter& writer, PendingTexts* pending, const std::string& path,
                  plat::TextWriter::Mode mode) {
  if (!pending) return writer.Open(path, mode);
  if (mode == plat::TextWriter::Mode::kReplace) pending->Set(path, std::string());
  return writer.OpenText(pending->ForAppend(path));
}

bool TextFileExists(const PendingTexts* pending, const std::string& path) {
  if (pending && pending->Held(path)) return true;
  return !(pending && pending->HeldMissing(path)) && plat::FileExists(path);
}

std::optional<std::vector<std::string>> TextFileLines(const PendingTexts* pending, const std::string& path) {
  if (const std::string* held = pending ? pending->Held(path) : nullptr) return plat::SplitLines(*held);
  if (pending && pending->HeldMissing(path)) return std::nullopt;
  return plat::ReadLines(path);
}

}  // namespace pundf
