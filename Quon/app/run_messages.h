#pragma once
// The window messages between the solver's worker and its dialog. The worker
// sends every notification synchronously (wParam and lParam 0) and posts only
// its last one.
#include "platform/window/messages.h"

namespace zedir {

inline constexpr plat::UINT kAnalysisDoneMessage = plat::WM_USER + 5;      // posted once at the worker's end
inline constexpr plat::UINT kStatusTextMessage = plat::WM_USER + 6;        // a new status text
inline constexpr plat::UINT kSettlementColumnMessage = plat::WM_USER + 7;  // a column of the settlement system
inline constexpr plat::UINT kMatrixPresentMessage = plat::WM_USER + 8;     // MATRIX exists, once per pass
inline constexpr plat::UINT kMatrixMissingMessage = plat::WM_USER + 9;     // MATRIX is missing, once per pass
inline constexpr plat::UINT kIdleMessage = plat::WM_USER + 12;             // answered with 0
inline constexpr plat::UINT kLockWaitMessage = plat::WM_USER + 13;         // wParam 1: waiting for the position
inline constexpr plat::UINT kRepaintMessage = plat::WM_USER + 50;          // the dialog paints itself

}  // namespace zedir
