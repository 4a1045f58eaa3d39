#pragma once
// What a person set up for a frame's tool bars (its standard bars and up to
// ten bars of their own), and the text of the program's tool-bar settings
// file that keeps it between runs:
//
//   TOOLBARS 1
//   BAR 59392 TOP SHOWN 100 100           id, side, shown or HIDDEN, floating place x y
//   NAME Standard
//   DEFAULTS 57603 57607 0 32776          a standard bar: the program's buttons it was set up from
//   BUTTON 57603 SHOWN Store              command, SHOWN or HIDDEN, text
//   SEPARATOR SHOWN
//   END
//
// Sides: TOP, BOTTOM, LEFT, RIGHT, FLOATING. A standard bar has the id the
// program gave it; a person's bars have the ids 59432 to 59441.
// Images are not kept: a button shows the program's image of its command.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/control_bar.h"
#include "platform/frames/tool_bar.h"

namespace plat {

// The ids of a person's own tool bars, and how many there may be.
inline constexpr UINT kFirstUserToolBarId = 59432;
inline constexpr int kMaxUserToolBars = 10;
// Limits of what a person types: a bar's name, a button's text, the buttons of a bar.
inline constexpr std::size_t kMaxToolBarNameLength = 64;
inline constexpr std::size_t kMaxToolButtonTextLength = 128;
inline constexpr std::size_t kMaxToolBarButtons = 100;

struct ToolBarSetup {
  UINT id = 0;
  std::string name;
  DockSide side = DockSide::kTop;
  bool shown = true;
  Point float_place{100, 100};
  std::vector<UINT> defaults;        // a standard bar only
  std::vector<ToolButton> buttons;   // id (0: separator), text, hidden
};

struct ToolBarsSetup {
  std::vector<ToolBarSetup> bars;
};

// Whether an id names one of a person's own bars.
bool IsUserToolBarId(UINT id);
// Whether a typed name is usable: not empty, at most kMaxToolBarNameLength
// characters, no control characters. The refusal's text, or "".
std::string ToolBarNameProblem(std::string_view name);

// The file's text, lines ending in "\n".
std::string FormatToolBarsSetup(const ToolBarsSetup& setup);

struct ParsedToolBars {
  std::optional<ToolBarsSetup> setup;
  std::string problem;  // when there is none: what is wrong, with its line
};
// Reads the file's text. The standard bars are those with the ids in
// `standard_ids`, a person's have the ten ids from kFirstUserToolBarId;
// anything else (an unknown bar, a bar twice, a count or number out of
// range, a line out of place) makes the text damaged.
ParsedToolBars ParseToolBarsSetup(std::string_view text, const std::vector<UINT>& standard_ids);

}  // namespace plat
