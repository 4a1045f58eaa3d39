#pragma once
// Dialog 138 "Generated plots": the lines of the position's plot list. Its
// context menu deletes the chosen plots with their files.
#include <optional>
#include <string>
#include <vector>

#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

inline constexpr plat::UINT kDiaPlotsTemplate = 138;
inline constexpr plat::UINT kPlotList = 1015;
inline constexpr plat::UINT kDeletePlots = 32791;

// The plot name of a list line: from its first "P" to the first blank or
// colon after it (or the end); empty when it has no "P".
std::string PlotName(const std::string& line);
// The number after the "P" of a plot name; nullopt when none follows.
std::optional<int> PlotNumber(const std::string& name);

class CDiaPlots : public ShellDialog {
 public:
  // `list_file`: the plot list (PLOTS.<name>) in `position_folder`.
  CDiaPlots(std::string position_folder, std::string list_file, plat::Window* owner = nullptr);

  // Asks, then deletes the chosen plots' files and lines and rewrites the
  // list and NEXTPLOT.
  void DeleteChosen();

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnContextMenu(plat::Window* window, plat::Point point) override;

 private:
  std::string PlotFolder() const;

  std::string position_folder_;
  std::string list_file_;
};

}  // namespace quentaris
