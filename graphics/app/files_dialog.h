#pragma once
// The output list dialog (161 "FILES"): the lines of the position's FILES
// under a header in a fixed-pitch list; OK or a double click on a line gives
// the listing it names.
#include <optional>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/controls/list_box.h"
#include "platform/dc/gdi_objects.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

inline constexpr plat::UINT kFilesList = 1010;
inline constexpr const char* kFilesHeader = "File   LC                 Set                 Contents";

// The entries of the list: the header, " ", then every line of FILES without
// its leading blanks and its line end, cut to 126 characters (none when
// FILES is missing).
std::vector<std::string> OutputListEntries(const common::Position& position);

class CDiaDateien : public plat::Dialog {
 public:
  CDiaDateien(const common::Position& position, plat::Window* owner);

  // After OK: the listing of the chosen line ("D5").
  const std::string& chosen() const { return chosen_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  // Without a chosen line naming a listing (none, the header, a blank) the dialog is cancelled.
  void OnOK() override;

 private:
  // Lines wider than the list scroll sideways, so that their ends can be read.
  void ShowWholeLines();

  std::vector<std::string> entries_;
  std::string chosen_;
  plat::ListBox list_;
  plat::Font list_font_{"Courier New", 14};
};

}  // namespace revuzavi
