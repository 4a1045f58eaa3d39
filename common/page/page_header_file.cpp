#include "common/page/page_header_file.h"

#include <vector>

#include "common/page/archive_strings.h"
#include "platform/binary_io.h"

namespace common {
namespace {

std::optional<std::vector<std::string>> ReadStrings(const std::string& path, std::size_t count) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ReadArchiveStrings(*bytes, count);
}

bool WriteStrings(const std::string& path, const auto& strings) {
  std::vector<std::byte> bytes;
  for (const std::string& s : strings) AppendArchiveString(bytes, s);
  return plat::WriteBlock(path, bytes.data(), bytes.size());
}

}  // namespace

PageHeaderRead ReadPageHeaderFile(const std::string& path) {
  PageHeaderRead read;
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return read;
  read.state = PageHeaderState::kDamaged;
  auto strings = ReadArchiveStrings(*bytes, PageHeader::kFieldCount);
  if (!strings) return read;
  for (std::size_t i = 0; i < strings->size(); ++i) read.header.fields[i] = std::move((*strings)[i]);
  read.state = PageHeaderState::kOk;
  return read;
}

bool WritePageHeaderFile(const std::string& path, const PageHeader& header) {
  return WriteStrings(path, header.fields);
}

std::optional<std::string> ReadAuthorFile(const std::string& path) {
  auto strings = ReadStrings(path, 1);
  if (!strings) return std::nullopt;
  return std::move(strings->front());
}

bool WriteAuthorFile(const std::string& path, const std::string& author) {
  return WriteStrings(path, std::array<std::string, 1>{author});
}

}  // namespace common
