#include "shell/positions/reset_outputs.h"

#include <cstdint>

#include "common/position/output_list.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/text_file.h"
#include "shell/files/replace_file.h"
#include "platform/whole_file.h"

namespace quentaris {
namespace {

inline constexpr const char* kPictureListFile = "GRAPHICFILES.TXT";
inline constexpr const char* kPictureCounterFile = "CLIP";

}  // namespace

std::optional<int> NumberedName(std::string_view name, char letter) { return common::NumberedName(name, letter); }

std::optional<std::string> ListingOfLine(std::string_view line) { return common::ListingOfLine(line); }

std::optional<std::string> PictureOfLine(std::string_view line) { return common::NumberedNameOfLine(line, 'G', ". "); }

bool RewriteOutputList(const std::string& path, const std::vector<std::string>& lines, ResetReport& report) {
  std::string text;
  plat::TextWriter writer;
  writer.OpenText(text);
  for (const std::string& line : lines) writer.Write(line + "\n");
  writer.Close();
  if (plat::ReplaceWholeFile(path, text)) return true;
  report.problems.push_back(CannotStore(path));
  return false;
}

void ResetListings(const common::Position& position, FolderCleaner& cleaner, ResetReport& report) {
  const common::PageCount count = common::ReadPageCounter(position);
  if (count.status.damaged()) {
    report.problems.push_back(common::CheckFile(position.FolderFile(common::kPageCounterFile), count.status));
    return;
  }
  if (!count.status.ok() || count.value <= 0) return;

  const std::string list_path = position.FolderFile(common::kOutputListFile);
  if (const auto lines = plat::ReadLines(list_path)) {
    std::optional<std::string> geometry_line, loads_line;
    std::vector<std::string> listings;
    for (const std::string& line : *lines) {
      const auto listing = ListingOfLine(line);
      if (!listing) continue;
      const int number = *NumberedName(*listing, 'D');
      if (number == 1) {
        geometry_line = line;
      } else if (number == 2) {
        loads_line = line;
      } else {
        listings.push_back(*listing);
      }
    }
    std::vector<std::string> kept;
    for (const auto& line : {geometry_line, loads_line}) {
      if (line) kept.push_back(*line);
    }
    // The list first: a listing goes only when the list no longer names it.
    if (!RewriteOutputList(list_path, kept, report)) return;
    for (const std::string& listing : listings) {
      for (std::string_view extension : {"", ".TXT", ".PDF"}) cleaner.RemoveJoinedFile({listing, extension});
    }
  }
  if (!common::WritePageCounter(position, common::kFirstCounterValue)) {
    report.problems.push_back(CannotStore(position.FolderFile(common::kPageCounterFile)));
  }
}

void ResetPictures(const common::Position& position, FolderCleaner& cleaner) {
  const auto counter = common::ReadInt32File(position.File(kPictureCounterFile));
  if (counter && static_cast<std::int16_t>(*counter & 0xFFFF) > 0) {
    for (const std::string& line : plat::ReadLines(position.FolderFile(kPictureListFile)).value_or(std::vector<std::string>{})) {
      const auto picture = PictureOfLine(line);
      if (!picture) continue;
      for (std::string_view extension : {".bmp", ".jpg", ".emf"}) cleaner.RemoveJoinedFile({*picture, extension});
    }
  }
  cleaner.RemoveJoinedFile({kPictureListFile});
  cleaner.RemoveJoinedFile({kPictureCounterFile, position.ext()});
}

}  // namespace quentaris
