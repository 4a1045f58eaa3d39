#include "graphics/app/picture_menu.h"

#include "common/dialogs/application_looks.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/tool_images.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/mdi_frame.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr int kPictureItems = 13;
constexpr int kEnergyItem = 9;
constexpr int kFirstResultItem = 5;
constexpr int kForcesFPlusItem = 12;

plat::Menu FilePopup() {
  plat::Menu file = plat::Menu::Popup();
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&New");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "&Load a position...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT, "&Print...");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_PREVIEW, "Print pre&view");
  file.AppendMenu(plat::MF_STRING, ids::kPrintRun, "Print all load cases");
  file.AppendMenu(plat::MF_STRING, ids::kExport, "Clipboard");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_SETUP, "P&rint setup...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "E&xit");
  return file;
}

// The File popup of the text and plot windows: without the picture's print run, with "Print directly".
plat::Menu SideWindowFilePopup() {
  plat::Menu file = FilePopup();
  file.DeleteMenu(ids::kPrintRun, plat::MF_BYCOMMAND);
  file.InsertMenu(plat::ID_FILE_PRINT_PREVIEW, plat::MF_BYCOMMAND | plat::MF_STRING, plat::ID_FILE_PRINT_DIRECT,
                  "Print &directly");
  return file;
}

plat::Menu ViewPopup() {
  plat::Menu view = plat::Menu::Popup();
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_TOOLBAR, "&Toolbar");
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_STATUS_BAR, "&Status Bar");
  view.AppendMenu(plat::MF_POPUP, common::ApplicationLooksPopup(), "&Application look");
  return view;
}

plat::Menu WindowPopup() {
  plat::Menu window = plat::Menu::Popup();
  window.AppendMenu(plat::MF_STRING, 57634, "&Tile\tCtrl+C");
  window.AppendMenu(plat::MF_STRING, 57637, "&Cascade\tCtrl+V");
  window.AppendMenu(plat::MF_STRING, ids::kCloseAllButPicture, "Close all but the picture");
  window.AppendMenu(plat::MF_STRING, ids::kWindows, "&Windows...");
  window.AppendMenu(plat::MF_SEPARATOR);
  window.AppendMenu(plat::MF_STRING, ids::kFont, "&Font ...");
  return window;
}

// The display toggles, the scales and the line width of the picture.
plat::Menu DisplayPopup() {
  plat::Menu display = plat::Menu::Popup();
  display.AppendMenu(plat::MF_STRING, ids::kNumbers, "Numbers (Z)");
  display.AppendMenu(plat::MF_STRING, ids::kNodeNumbers, "Nodes (K)");
  display.AppendMenu(plat::MF_STRING, ids::kElementNumbers, "Element numbers (E)");
  display.AppendMenu(plat::MF_STRING, ids::kOnlyX, "Only x values (X)");
  display.AppendMenu(plat::MF_STRING, ids::kOnlyY, "Only y values (Y)");
  display.AppendMenu(plat::MF_STRING, ids::kRKey, "R-key display (R)");
  display.AppendMenu(plat::MF_STRING, ids::kGreenArrows, "Green's functions with arrows");
  display.AppendMenu(plat::MF_STRING, ids::kExponential, "Exponential format");
  display.AppendMenu(plat::MF_STRING, ids::kStacked, "Allow numbers to be stacked (D)");
  display.AppendMenu(plat::MF_SEPARATOR);
  display.AppendMenu(plat::MF_STRING, ids::kAlignText, "Align text");
  display.AppendMenu(plat::MF_STRING, ids::kScales, "Scales");
  display.AppendMenu(plat::MF_STRING, ids::kResetScales, "Reset scales");
  display.AppendMenu(plat::MF_STRING, ids::kLineWidth, "Line width...");
  return display;
}

plat::Menu HelpPopup() {
  plat::Menu help = plat::Menu::Popup();
  help.AppendMenu(plat::MF_STRING, ids::kHelp, "&Help");
  help.AppendMenu(plat::MF_STRING, ids::kSensitivityHelp, "Sensitivity");
  help.AppendMenu(plat::MF_STRING, ids::kRKeyHelp, "R-key");
  help.AppendMenu(plat::MF_SEPARATOR);
  help.AppendMenu(plat::MF_STRING, plat::ID_APP_ABOUT, "&About REVUZAVI...");
  return help;
}

}  // namespace

plat::Menu MainMenu() {
  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, FilePopup(), "&File");
  bar.AppendMenu(plat::MF_POPUP, ViewPopup(), "&View");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&Help");
  return bar;
}

plat::Menu PictureMenu() {
  plat::Menu bar;
  bar.AppendMenu(plat::MF_STRING, ids::kReset, "<");
  bar.AppendMenu(plat::MF_STRING, ids::kFrame, "&Frame");
  bar.AppendMenu(plat::MF_STRING, ids::kNextLoadCase, "LC +");
  bar.AppendMenu(plat::MF_STRING, ids::kPreviousLoadCase, "LC -");
  bar.AppendMenu(plat::MF_STRING, ids::kChooseLoadCase, "LC");
  bar.AppendMenu(plat::MF_STRING, ids::kDisplacements, "&Displacements");
  bar.AppendMenu(plat::MF_STRING, ids::kNormalForces, "&Normal forces");
  bar.AppendMenu(plat::MF_STRING, ids::kShearForces, "&Shear forces");
  bar.AppendMenu(plat::MF_STRING, ids::kMoments, "&Moments");
  bar.AppendMenu(plat::MF_STRING, ids::kEnergy, "Energy");
  bar.AppendMenu(plat::MF_STRING, ids::kFlex, "Flex");
  bar.AppendMenu(plat::MF_STRING, ids::kNodes, "&Nodes");
  bar.AppendMenu(plat::MF_STRING, ids::kForcesFPlus, "Forces f+");
  bar.AppendMenu(plat::MF_STRING, ids::kFitDiagrams, "Fit");
  bar.AppendMenu(plat::MF_STRING, ids::kEigen, "Eigen");
  bar.AppendMenu(plat::MF_STRING, ids::kNodeGreen, "GF-Nodes");
  bar.AppendMenu(plat::MF_STRING, ids::kElementGreen, "GF-Elements");
  bar.AppendMenu(plat::MF_STRING, ids::kSupportGreen, "GF-Supports");
  bar.AppendMenu(plat::MF_STRING, ids::kGreenAnywhere, "GF-Anywhere");
  bar.AppendMenu(plat::MF_STRING, ids::kShapeFunctions, "Shape functions");
  bar.AppendMenu(plat::MF_POPUP, DisplayPopup(), "D&isplay");
  bar.AppendMenu(plat::MF_STRING, ids::kParameter, "Parameter");
  bar.AppendMenu(plat::MF_POPUP, FilePopup(), "&File");
  bar.AppendMenu(plat::MF_POPUP, WindowPopup(), "&Window");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&Help");
  return bar;
}

plat::Menu TextMenu() {
  plat::Menu bar;
  bar.AppendMenu(plat::MF_STRING, ids::kTextViewDimensions, "&Dimensions");
  bar.AppendMenu(plat::MF_STRING, ids::kTextLoadCases, "&Load cases");
  bar.AppendMenu(plat::MF_STRING, ids::kTextViewResults, "&Results");
  // The picture's own File items go; the text is printed directly too.
  plat::Menu file = SideWindowFilePopup();
  file.DeleteMenu(ids::kExport, plat::MF_BYCOMMAND);
  // Ctrl+C (57634) copies in the text: Tile has a command of its own here.
  plat::Menu window = WindowPopup();
  window.ModifyMenu(57634, plat::MF_BYCOMMAND | plat::MF_STRING, plat::ID_WINDOW_TILE_VERT, "&Tile");
  bar.AppendMenu(plat::MF_POPUP, std::move(file), "&File");
  bar.AppendMenu(plat::MF_POPUP, std::move(window), "&Window");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&Help");
  return bar;
}

plat::Menu PlotMenu() {
  plat::Menu bar;
  bar.AppendMenu(plat::MF_STRING, ids::kNextLoadCase, "LC +");
  bar.AppendMenu(plat::MF_STRING, ids::kPreviousLoadCase, "LC -");
  bar.AppendMenu(plat::MF_STRING, ids::kChooseLoadCase, "LC");
  bar.AppendMenu(plat::MF_STRING, ids::kExport, "Clipboard and store as jpeg");
  bar.AppendMenu(plat::MF_POPUP, SideWindowFilePopup(), "&File");
  bar.AppendMenu(plat::MF_POPUP, WindowPopup(), "&Window");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&Help");
  return bar;
}

plat::AcceleratorTable MainAccelerators() {
  return plat::AcceleratorTable({
      {plat::FVIRTKEY | plat::FCONTROL, 'C', 57634},
      {plat::FVIRTKEY | plat::FCONTROL, plat::VK_INSERT, 57634},
      {plat::FVIRTKEY | plat::FCONTROL, 'V', 57637},
      {plat::FVIRTKEY | plat::FSHIFT, plat::VK_INSERT, 57637},
  });
}

std::vector<plat::ToolButton> MainToolButtons() {
  const auto face = [](plat::UINT id, const char* tip) { return plat::ToolButton{id, tip, ToolImage(id)}; };
  return {{plat::ID_FILE_OPEN, "Load a position"},
          {0},
          {ids::kNextLoadCase, "LC +"},
          {ids::kPreviousLoadCase, "LC -"},
          {0},
          {ids::kTextDimensions, "Dimensions"},
          {ids::kTextLoadCases, "Load cases"},
          {ids::kTextResults, "Results"},
          {0},
          face(ids::kEquivalentNodalForces, "Equivalent Nodal Forces (Load) and Results"),
          face(ids::kOneClickMode, "One-Click Modus (C-key)"),
          face(ids::kEndSelection, "Press ESC-key to reset everything"),
          face(ids::kResetScales, "Reset scales"),
          face(ids::kAlignText, "Align text"),
          {0},
          face(plat::ID_FILE_PRINT, "Print"),
          face(plat::ID_FILE_PRINT_PREVIEW, "Print preview"),
          {0},
          {plat::ID_APP_ABOUT, "About"}};
}

std::vector<bool> PictureMenuEnabling(const ViewerState& state) {
  std::vector<bool> enabled(kPictureItems, true);
  enabled[kEnergyItem] = state.energies_present;
  if (state.no_results) {
    for (int i = kFirstResultItem; i < kPictureItems; ++i) enabled[static_cast<std::size_t>(i)] = false;
  } else {
    enabled[kForcesFPlusItem] = plat::FileExists(state.position.FolderFile(kForcesFPlusFile));
  }
  return enabled;
}

void EnablePictureMenu(const ViewerState& state, plat::FrameWnd* picture_frame) {
  auto* child = dynamic_cast<plat::MDIChildWnd*>(picture_frame);
  if (child == nullptr) return;
  plat::Menu* menu = child->GetSharedMenu();
  const std::vector<bool> enabled = PictureMenuEnabling(state);
  for (std::size_t i = 0; i < enabled.size(); ++i) {
    menu->EnableMenuItem(static_cast<plat::UINT>(i), plat::MF_BYPOSITION | (enabled[i] ? plat::MF_ENABLED : plat::MF_GRAYED));
  }
  if (plat::MDIFrameWnd* main = child->GetMDIFrame()) main->DrawMenuBar();
}

bool DiaryHolds(const common::LoadCaseDiary& diary, int lc) {
  const int count = diary.has_valid_count() ? diary.count() : 0;
  for (int k = 1; k <= count; ++k) {
    if (diary.load_case(k) == lc) return true;
  }
  return false;
}

}  // namespace revuzavi
