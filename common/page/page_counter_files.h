#pragma once
// Page counting of printed listings: FKPFAD (settings folder: the position
// folder the page printer counts pages in, as a text without a line end),
// FSEITE (that folder: int16, the next page) and PAGENR (the position folder:
// the numbering of the shell's own printing).
#include <cstdint>
#include <optional>
#include <string>

namespace common {

inline constexpr const char* kPageHeaderPathFile = "FKPFAD";
inline constexpr const char* kPageCounterFile = "FSEITE";
inline constexpr const char* kPageNumberingFile = "PAGENR";

// FKPFAD: the folder with its final "/"; empty when missing.
std::string ReadPageHeaderPathFile(const std::string& path);
bool WritePageHeaderPathFile(const std::string& path, const std::string& position_folder);

// FSEITE: the number of the next page; nullopt when missing.
std::optional<std::int16_t> ReadPageCounterFile(const std::string& path);
bool WritePageCounterFile(const std::string& path, std::int16_t next_page);

// PAGENR: four int16 in this order; a missing or short file gives 1, 1, 0, 0.
struct PageNumbering {
  std::int16_t page = 1;
  std::int16_t sheet = 1;
  std::int16_t style = 0;       // 0..4, the numbering style of the pages dialog
  std::int16_t print_date = 0;  // 1: the date goes on the page
  bool operator==(const PageNumbering&) const = default;
};
PageNumbering ReadPageNumberingFile(const std::string& path);
bool WritePageNumberingFile(const std::string& path, const PageNumbering& numbering);

}  // namespace common
