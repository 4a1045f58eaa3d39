#include "graphics/app/free_texts.h"

#include <algorithm>
#include <cstdio>

#include "common/position/file_names.h"
#include "common/settings.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

constexpr const char* kTemperatureTexts = "TEXTTEMP";
constexpr const char* kLineTexts = "TEXTLINE";
constexpr const char* kPointTexts = "TEXTPUNKT";
constexpr const char* kForceTexts = "GETTEXTS";
constexpr int kSettlementEntries = 200;

int Limited(int n) { return std::clamp(n, 0, kLabelCapacity); }

int TemperatureEntries(const ViewerState& s) {
  return s.load_case_params.temperature_flag() != 0 ? Limited(s.params.element_count()) : 0;
}
int LineEntries(const ViewerState& s) { return Limited(2 * s.load_case_params.line_load_record_count()); }
int PointEntries(const ViewerState& s) { return Limited(s.load_case_params.point_load_count()); }

void Write(const std::string& path, const LabelPositionTable& table, int n) {
  if (n <= 0) return;
  std::FILE* f = plat::OpenForReplace(path);
  if (f == nullptr) return;
  std::fwrite(table.entries().data(), sizeof(LabelPosition), static_cast<std::size_t>(n), f);
  std::fclose(f);
}

// Entries 1..n from the file; those beyond a short file are unplaced.
bool Read(const std::string& path, LabelPositionTable& table, int n) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  auto& entries = table.entries();
  const std::size_t got = std::fread(entries.data(), sizeof(LabelPosition), static_cast<std::size_t>(n), f);
  std::fclose(f);
  for (std::size_t i = got; i < static_cast<std::size_t>(n); ++i) entries[i].placed = 0;
  return true;
}

void Unplace(LabelPositionTable& table, int n) {
  for (int i = 0; i < n; ++i) table.entries()[static_cast<std::size_t>(i)].placed = 0;
}

// Read when newer than the load case's PL file or forced, else unplaced.
void ReadUnlessStale(const std::string& path, std::int64_t reference, bool force, LabelPositionTable& table, int n) {
  if (n <= 0) return;
  if ((force || FileModificationTime(path) > reference) && Read(path, table, n)) return;
  Unplace(table, n);
}

}  // namespace

std::int64_t FileModificationTime(const std::string& path) { return plat::FileTime(path).value_or(0); }

std::string FreeTextFile(const ViewerState& state, const char* base) {
  return state.position.FolderFile(std::string(base) + "0" + std::to_string(state.current_load_case));
}

void SaveFreeTexts(const ViewerState& state, const LabelTables& labels) {
  Write(FreeTextFile(state, kTemperatureTexts), labels.temperatures, TemperatureEntries(state));
  Write(FreeTextFile(state, kLineTexts), labels.loads, LineEntries(state));
  Write(FreeTextFile(state, kPointTexts), labels.point_loads, PointEntries(state));
}

void ReadFreeTexts(const ViewerState& state, LabelTables& labels) {
  const bool force = plat::FileExists(common::JoinSettingsPath(state.settings, kForceTexts));
  const std::int64_t reference = FileModificationTime(
      state.position.LoadCaseFile(common::file_names::kLoadCaseParams, state.current_load_case));
  if (const int n = TemperatureEntries(state); n > 0) Read(FreeTextFile(state, kTemperatureTexts), labels.temperatures, n);
  ReadUnlessStale(FreeTextFile(state, kLineTexts), reference, force, labels.loads, LineEntries(state));
  if (state.load_case_params.settlement_flag() != 0) Unplace(labels.loads, kSettlementEntries);
  ReadUnlessStale(FreeTextFile(state, kPointTexts), reference, force, labels.point_loads, PointEntries(state));
}

}  // namespace revuzavi
