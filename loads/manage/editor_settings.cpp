#include "loads/manage/editor_settings.h"

#include <string>

#include "common/settings_files.h"

namespace pundf {
namespace {
constexpr const char* kPenWidthFile = "PUNDRDB";
}  // namespace

int ReadPenWidth(const common::SettingsContext& settings) {
  return common::ReadPenWidthFile(common::JoinSettingsPath(settings, kPenWidthFile));
}

common::Result SavePenWidth(const common::SettingsContext& settings, int pen_width) {
  const std::string path = common::SettingsWritePath(settings, kPenWidthFile);
  if (common::WriteInt32File(path, pen_width)) return common::Result::Ok();
  return common::Result::Fail("The file " + path + " cannot be written.", "Error");
}

}  // namespace pundf
