#pragma once
// The shell's state: the settings folder, the current position and data path,
// and what the main view shows of the position. ReadSettings and
// LoadPosition fill it; the commands pass it where it is needed.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/print_scales_file.h"
#include "common/records/load_case_diary.h"
#include "common/records/load_case_params.h"
#include "common/records/record_files.h"
#include "common/settings.h"
#include "shell/view/frame_data.h"

namespace quentaris {

// The recently used positions, newest first.
struct PositionList {
  struct Entry {
    std::string name;       // without the dot
    std::string data_path;  // without its final "/"
    bool operator==(const Entry&) const = default;
  };
  std::vector<Entry> entries;
  bool changed = false;  // the main window refills its position box
};

inline constexpr int kMinPenWidth = 0;
inline constexpr int kMaxPenWidth = 10;

struct ShellState {
  common::SettingsContext settings;
  std::string position_name;    // without the dot; empty when there is no position
  std::string position_ext;     // "." + name; empty when there is no position
  std::string data_path;        // ends with "/"
  bool data_path_is_settings_folder = false;
  std::string position_folder;  // data path + "SDIR" + name + "/"; empty when there is no position
  std::string refused_position;  // a name EXTR held that the name rules refuse

  // Read once, by the first LoadPosition.
  common::PrintScalesSettings print_scales;
  bool print_scales_read = false;

  common::LoadCaseDiary diary;  // zero when the position has none
  int pen_width = 1;            // PRDB, 0..10
  PositionList positions;

  // The main view's frame picture (ReadFrameFiles) and what steers it.
  FrameData frame;
  float picture_factor = 1.0f;       // the picture's zoom for this run
  common::LoadCaseParams load_case;  // the current load case's PL block
  bool picture_on = true;
  std::string start_file;            // a dropped echo file to rebuild from

  bool has_position() const { return !position_name.empty(); }
  common::Position position() const { return common::Position(data_path, position_ext); }
  // The data path without its final "/", as the position list keeps it.
  std::string data_path_without_slash() const;
  // Where a settings file is read: in the settings folder, or by its bare name
  // when that folder cannot be used.
  std::string SettingsPath(std::string_view name) const { return common::JoinSettingsPath(settings, name); }
  // Where a settings file is written: in the settings folder only, so that an
  // unusable folder makes the write fail instead of leaving the file elsewhere.
  std::string SettingsWritePath(std::string_view name) const { return common::SettingsWritePath(settings, name); }
};

}  // namespace quentaris
