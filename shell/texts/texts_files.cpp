#include "shell/texts/texts_files.h"

#include <algorithm>
#include <cstdint>

#include "common/position/output_list.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace quentaris {
namespace {

// Lowest LASTD after a delete: the geometry and load listings keep D1 and D2.
constexpr int kLowestPageCounter = common::kFirstCounterValue;
const std::string kPrefixBlanks(kTextsPrefix, ' ');

std::string ListingExtension(bool pdf) { return pdf ? ".pdf" : ".txt"; }

}  // namespace

std::string TextsLineFile(const std::string& position_folder, const std::string& line) {
  if (const std::string name = ListingName(line); !name.empty()) {
    return plat::FindCaseInsensitive(position_folder, name + ".txt");
  }
  if (const std::string name = PictureName(line); !name.empty()) {
    return plat::FindCaseInsensitive(position_folder, name + PictureExtension(line));
  }
  return {};
}

std::string ZevrilListingFile(const std::string& position_folder, const std::string& line) {
  const std::string name = ListingName(line);
  if (name.empty()) return {};
  const std::string file = plat::FindCaseInsensitive(position_folder, name + ".TXT");
  return plat::FileExists(file) ? file : position_folder + name;
}

TextsCopy TextsCopyPaths(const std::string& position_folder, const std::string& line, const std::string& target_folder,
                         const std::string& preamble, bool pdf) {
  std::string name = ListingName(line);
  std::string extension = ListingExtension(pdf);
  if (name.empty()) {
    name = PictureName(line);
    extension = PictureExtension(line);
  }
  if (name.empty()) return {};
  std::string folder = target_folder;
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  return {plat::FindCaseInsensitive(position_folder, name + extension), folder + "/" + preamble + name + extension};
}

std::vector<std::string> DeleteTextsLines(const std::string& position_folder, const std::string& picture_counter_file,
                                          std::vector<std::string>& lines, const std::vector<int>& chosen) {
  std::vector<int> order = chosen;
  std::sort(order.rbegin(), order.rend());
  order.erase(std::unique(order.begin(), order.end()), order.end());
  for (const int index : order) {
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) continue;
    const std::string file = TextsLineFile(position_folder, lines[index]);
    if (file.empty()) continue;
    plat::RemoveFile(file);
    if (!plat::FileExists(file)) lines.erase(lines.begin() + index);
  }
  std::string listings;
  std::string pictures;
  int highest_listing = 0;
  int highest_picture = 0;
  for (const std::string& line : lines) {
    if (const auto number = ListingNumber(line)) {
      listings += kPrefixBlanks + line + "\n";
      highest_listing = std::max(highest_listing, *number);
    } else if (const auto picture = PictureNumber(line)) {
      pictures += kPrefixBlanks + line + "\n";
      highest_picture = std::max(highest_picture, *picture);
    }
  }
  std::vector<std::string> failed;
  const std::string files = position_folder + common::kOutputListFile;
  if (!plat::WriteTextFile(files, listings)) failed.push_back(files);
  const std::string picture_list = position_folder + kPictureListFile;
  if (!plat::WriteTextFile(picture_list, pictures)) failed.push_back(picture_list);
  const auto last = static_cast<std::int16_t>(std::min(std::max(highest_listing, kLowestPageCounter), INT16_MAX));
  const std::string last_file = position_folder + common::kPageCounterFile;
  if (!plat::WriteBlock(last_file, &last, sizeof last)) failed.push_back(last_file);
  const auto clip = static_cast<std::int32_t>(highest_picture);
  if (!plat::WriteBlock(picture_counter_file, &clip, sizeof clip)) failed.push_back(picture_counter_file);
  return failed;
}

}  // namespace quentaris
