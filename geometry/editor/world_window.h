#pragma once
// The world window of the geometry editor: metres mapped isotropically onto
// the view or the printed page, z up, at DrawingScale logical units per metre.
#include "common/pixel_size.h"
#include "common/records/drawing_extents.h"
#include "common/world_mapping.h"
#include "geometry/editor/view_state.h"
#include "platform/dc/dc.h"

namespace kelmf {

// The text and caption of a world window that stays empty.
inline constexpr const char* kDefineWorldCaption = "Error in DefineWorld";

// Sets the world window. An empty side gets 1.0 added (0, 0, 0, 0 gives
// 0..1 by 0..1). A side that stays empty (numbers so large that 1.0 changes
// nothing) or a number that is not finite shows "x1 = %.2f y1 = %.2f x2 =
// %.2f y2 = %.2f" under "Error in DefineWorld" and returns false; the former
// window stays, so the last picture is kept.
bool DefineWorld(ViewState& view, double x1, double z1, double x2, double z2);

// Where the picture goes: the client rectangle and the drawing area in pixels
// (0.9 of the client on the screen, 0.8 of the page on a printer).
using DrawArea = common::PictureRoom;

// Prepares `dc` for drawing the world window: MM_ISOTROPIC, window extent
// (mapped span x scale x window scale), the drawing area centred in the
// client (or on the page), z up; the rotated "ARIAL" font of `font_size`
// selected; the marker half-size and the mapping kept in `view`.
void SetUpMapping(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale, int font_size);

// The same for a box of extents, without the keyboard zoom and the window
// scale, with the font of size 80.
void SetUpExtentsMapping(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale,
                         const common::DrawingExtents& extents);

// DefineWorld on the box of the two corners widened about its centre by
// `margin` (at least 1.0), then SetUpMapping. False when DefineWorld failed
// (nothing is set up then).
bool DefineWorldFromCorners(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale, int font_size,
                            const WorldBox& corners, double margin = 1.0);

using common::PixelsToLogical;

// A device point of the last mapping in metres.
plat::PointD DeviceToWorld(const ViewState& view, int drawing_scale, plat::Point device);

}  // namespace kelmf
