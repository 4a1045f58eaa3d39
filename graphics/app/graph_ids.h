#pragma once
// Resource and command numbers of the results viewer.
#include "platform/window/messages.h"

namespace revuzavi::ids {

inline constexpr unsigned kMainFrame = 128;
inline constexpr unsigned kPictureTemplate = 130;
inline constexpr unsigned kPlotTemplate = 343;

inline constexpr unsigned kReset = 350;
inline constexpr unsigned kFrame = 316;
inline constexpr unsigned kNextLoadCase = 32813;
inline constexpr unsigned kPreviousLoadCase = 32814;
inline constexpr unsigned kChooseLoadCase = 32801;
inline constexpr unsigned kDisplacements = 315;
inline constexpr unsigned kNormalForces = 314;
inline constexpr unsigned kShearForces = 313;
inline constexpr unsigned kMoments = 32874;
inline constexpr unsigned kEnergy = 346;
inline constexpr unsigned kFlex = 347;
inline constexpr unsigned kEigen = 351;
inline constexpr unsigned kNodeGreen = 318;
inline constexpr unsigned kElementGreen = 325;
inline constexpr unsigned kSupportGreen = 327;
inline constexpr unsigned kGreenAnywhere = 349;
inline constexpr unsigned kShapeFunctions = 355;
inline constexpr unsigned kNodes = 32984;
inline constexpr unsigned kForcesFPlus = 322;
inline constexpr unsigned kEndSelection = 342;
inline constexpr unsigned kEquivalentNodalForces = 344;
inline constexpr unsigned kOneClickMode = 332;  // the tool bar's check of the one-click mode; it starts it as C does
inline constexpr unsigned kParameter = 329;
// The display toggles.
inline constexpr unsigned kGreenArrows = 334;
inline constexpr unsigned kExponential = 335;
inline constexpr unsigned kNumbers = 336;
inline constexpr unsigned kNodeNumbers = 337;
inline constexpr unsigned kElementNumbers = 338;
inline constexpr unsigned kOnlyX = 339;
inline constexpr unsigned kOnlyY = 340;
inline constexpr unsigned kRKey = 354;
inline constexpr unsigned kStacked = 33077;
inline constexpr unsigned kFitDiagrams = 33200;
inline constexpr unsigned kAlignText = 33004;
inline constexpr unsigned kCloseHint = 33201;  // the emptied hint box closed after its change
inline constexpr unsigned kWheelTarget = 33202;  // a click on status pane 1: the wheel's next target
inline constexpr unsigned kScales = 328;
inline constexpr unsigned kResetScales = 330;
inline constexpr unsigned kLineWidth = 33156;
inline constexpr unsigned kMainWindowFocus = plat::WM_USER + 18;  // 1042  // the key left of Y, for keyboards without it

inline constexpr unsigned kExport = 33086;
inline constexpr unsigned kHelp = 33089;
inline constexpr unsigned kPrintRun = 1085;
inline constexpr unsigned kSensitivityHelp = 352;
inline constexpr unsigned kRKeyHelp = 353;

inline constexpr unsigned kFont = 32788;
inline constexpr unsigned kCloseAllButPicture = 32969;
inline constexpr unsigned kWindows = 131;
inline constexpr unsigned kLookFirst = 205;
inline constexpr unsigned kLookLast = 219;

// The text window: its template and menu, the main frame's commands that open it (D1, D2, the
// listing of the load case shown) and the text window's own.
inline constexpr unsigned kTextTemplate = 160;
inline constexpr unsigned kTextDimensions = 32977;
inline constexpr unsigned kTextLoadCases = 32979;
inline constexpr unsigned kTextResults = 333;
inline constexpr unsigned kTextViewDimensions = 32978;
inline constexpr unsigned kTextViewResults = 32982;

inline constexpr unsigned kStatusTexts = plat::WM_USER + 1;
inline constexpr unsigned kNoResults = plat::WM_USER + 25;  // 1049
inline constexpr unsigned kNothing = plat::WM_USER + 59;
// Opens an element plot: wParam the element, lParam the function (1..4).
inline constexpr unsigned kElementPlot = plat::WM_USER + 5;  // 1029
inline constexpr unsigned kViewNotice = plat::WM_USER + 13;  // 1037

}  // namespace revuzavi::ids
