#pragma once
// The report page of a progressive failure: the most compressed (or most stretched) element is
// removed, the frame reanalysed, and so on while such an element is left; each step is a line of
// the page D<n>.TXT, and the page is listed in FILES.
#include "common/result.h"
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

inline constexpr int kFollowCompression = -1;
inline constexpr int kFollowTension = 1;

// Writes the page with the sense kFollowCompression or kFollowTension. Each removed element is
// picked, marked modified and switched off with k = 0, and the frame is reanalysed with
// IterateModifiedStiffness; a run without a result ends the page with its stop caption and is
// returned after the page is listed, its element left as it was. The page is written whole, then
// LASTD names it, then FILES lists it. Fails, naming the file: without a page number from LASTD
// (nothing written), or when the page, LASTD or FILES cannot be written (LASTD never names a page
// that is not there).
common::Result WriteIterationReport(ViewerState& state, ReanalysisState& run, PictureState& picture,
                                    const ViewState& view, ReanalysisView& out, int& step, int sense);

}  // namespace revuzavi
