#pragma once
// The page form of printed listings and pictures: FKOPF (eleven archive
// strings) and AUFSTELLER1 (the author alone), both in the settings folder.
// The shell's page form dialog writes them; the page printer and the results
// viewer read FKOPF.
#include <array>
#include <optional>
#include <string>

namespace common {

inline constexpr const char* kPageHeaderFile = "FKOPF";
inline constexpr const char* kAuthorFile = "AUFSTELLER1";

struct PageHeader {
  // The fields in the order of the file.
  enum Field {
    kAuthor,          // Verfasser
    kProgram,         // Programm
    kBuilding,        // Bauwerk
    kPart,            // Bauteil
    kBlock,           // Block
    kProcess,         // Vorgang
    kFileNumber,      // ASB NR.
    kArchiveNumber,   // Archiv-Nr.
    kDate,            // Datum
    kFirstPage,       // Erste Seite, the number of the first page as text
    kFontSize,        // the font size as text
    kFieldCount
  };
  std::array<std::string, kFieldCount> fields;

  std::string& operator[](Field f) { return fields[f]; }
  const std::string& operator[](Field f) const { return fields[f]; }
  bool operator==(const PageHeader&) const = default;
};

enum class PageHeaderState { kOk, kMissing, kDamaged };

struct PageHeaderRead {
  PageHeader header;  // all fields empty unless kOk
  PageHeaderState state = PageHeaderState::kMissing;
};

// A file whose strings run past its end is damaged: its fields read empty,
// as when the file is missing. Bytes after the eleventh string are ignored.
PageHeaderRead ReadPageHeaderFile(const std::string& path);
bool WritePageHeaderFile(const std::string& path, const PageHeader& header);

// AUFSTELLER1: nullopt when missing or damaged.
std::optional<std::string> ReadAuthorFile(const std::string& path);
bool WriteAuthorFile(const std::string& path, const std::string& author);

}  // namespace common
