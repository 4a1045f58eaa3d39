#include "shell/positions/archive_store.h"

#include "shell/positions/echo_copies.h"
#include "shell/positions/history.h"

namespace quentaris {
namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string EchoName(std::string_view kind, std::string_view name) {
  return std::string(kind) + "." + std::string(name) + ".TXT";
}

// Copies the geometry and the load echo and lists them; false when the geometry echo was not
// copied (the report holds why).
bool CopyBoth(const std::string& from_folder, std::string_view from_name, const std::string& to_folder,
              std::string_view to_name, ArchiveCopyReport& report, std::string& geometry_source,
              std::string& geometry_target) {
  bool geometry_copied = false;
  for (std::string_view kind : {"ECHO_G", "ECHO_L"}) {
    const EchoCopy copy = CopyEchoFile(from_folder + EchoName(kind, from_name), to_folder + EchoName(kind, to_name),
                                       ExistingTarget::kReplace);
    const bool geometry = kind == "ECHO_G";
    if (copy.copied()) {
      report.lines.push_back(CopyLine(copy.source, copy.target));
      if (geometry) {
        geometry_copied = true;
        geometry_source = copy.source;
        geometry_target = copy.target;
      }
      continue;
    }
    if (!geometry && copy.outcome == EchoCopy::Outcome::kSourceMissing) continue;  // a frame without loads
    report.lines.push_back(copy.message.text());
    if (report.result) report.result = copy.message;
  }
  return geometry_copied;
}

void AppendHistory(const std::string& folder, const std::string& text, ArchiveCopyReport& report) {
  const common::Result appended = AppendHistoryRecord(folder, text);
  if (appended) return;
  report.lines.push_back(appended.text());
  if (report.result) report.result = appended;
}

}  // namespace

std::string CopyLine(std::string_view source, std::string_view target) {
  return std::string(source) + "  --->  " + std::string(target);
}

ArchiveCopyReport StoreEchoFilesToArchive(const common::Position& position, std::string archive_folder) {
  ArchiveCopyReport report;
  std::string source, target;
  if (CopyBoth(position.folder(), position.name(), WithSlash(std::move(archive_folder)), position.name(), report,
               source, target)) {
    AppendHistory(position.folder(), StoredToArchiveText(target), report);
  }
  return report;
}

ArchiveCopyReport LoadEchoFilesFromArchive(std::string archive_folder, std::string_view source_name,
                                           const std::string& target_folder, std::string_view target_name) {
  ArchiveCopyReport report;
  std::string source, target;
  if (!CopyBoth(WithSlash(std::move(archive_folder)), source_name, WithSlash(target_folder), target_name, report,
                source, target)) {
    return report;
  }
  report.lines.push_back(" ");
  report.lines.push_back("After this, check the frame for eventual modifications!");
  report.lines.push_back("Then click on Load button to input the load cases!");
  AppendHistory(WithSlash(target_folder), ReadFromArchiveText(source), report);
  return report;
}

}  // namespace quentaris
