#include "common/print_scales_file.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace common {

PrintScales PrintScales::Default() {
  static constexpr std::array<unsigned char, 56> kHead = {
      0x04, 0x00, 0x01, 0x00, 0x02, 0x00, 0x52, 0xa9, 0xf0, 0xc4, 0x25, 0xe5, 0xaa, 0x00, 0x5b, 0x02,
      0x00, 0x00, 0xae, 0x56, 0x10, 0x3b, 0xdb, 0x1a, 0x0a, 0x3c, 0x6b, 0x29, 0x00, 0x00, 0x84, 0xc2,
      0xf8, 0xd5, 0x85, 0xd5, 0x5a, 0x02, 0x09, 0x02, 0x00, 0x00, 0x7c, 0x3d, 0x08, 0x2a, 0x7b, 0x2a,
      0x6a, 0x29, 0x29, 0x1e, 0x00, 0x00, 0x00, 0x00};
  PrintScales s;
  std::memcpy(s.bytes().data(), kHead.data(), kHead.size());
  s.SetAt<double, 56>(0.1);
  s.SetAt<double, 64>(1.0);
  s.SetAt<double, 72>(1.0);
  s.set_text_scale(1.0);
  s.SetAt<std::int16_t, 88>(1);
  s.set_pen_factor(1.0f);
  return s;
}

std::optional<PrintScales> ReadPrintScalesFile(const std::string& path) {
  PrintScales s;
  if (!plat::ReadBlock(path, s.bytes().data(), PrintScales::kSize)) return std::nullopt;
  return s;
}

namespace {

constexpr std::size_t kFactorOffset = PrintScales::kSize;

// Puts `head` over the start of the file, keeping what the file holds beyond it.
bool WriteOverStart(const std::string& path, const std::vector<std::byte>& head) {
  std::vector<std::byte> bytes = plat::ReadWholeFile(path).value_or(std::vector<std::byte>{});
  if (bytes.size() < head.size()) bytes.resize(head.size());
  std::memcpy(bytes.data(), head.data(), head.size());
  return plat::ReplaceWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace

bool WritePrintScalesFile(const std::string& path, const PrintScales& scales) {
  return WriteOverStart(path, std::vector<std::byte>(scales.bytes().begin(), scales.bytes().end()));
}

PrintScalesSettings ReadPrintScalesSettings(const std::string& path) {
  PrintScalesSettings settings;
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes || bytes->size() < PrintScales::kSize) return settings;
  std::memcpy(settings.block.bytes().data(), bytes->data(), PrintScales::kSize);
  if (bytes->size() >= kFactorOffset + sizeof(float)) {
    float factor = 1.0f;
    std::memcpy(&factor, bytes->data() + kFactorOffset, sizeof factor);
    if (std::isfinite(factor)) settings.second_factor = factor;
  }
  return settings;
}

bool WritePrintScalesSettings(const std::string& path, const PrintScalesSettings& settings) {
  std::vector<std::byte> head(settings.block.bytes().begin(), settings.block.bytes().end());
  head.resize(kFactorOffset + sizeof(float));
  std::memcpy(head.data() + kFactorOffset, &settings.second_factor, sizeof(float));
  return WriteOverStart(path, head);
}

}  // namespace common
