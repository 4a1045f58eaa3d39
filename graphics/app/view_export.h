#pragma once
// The export of a window of the results viewer: its client area as the view
// paints it, to the clipboard and the numbered picture file, with the frame's
// caption in the picture list.
#include <functional>
#include <string>

#include "common/result.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/dc.h"
#include "platform/frames/view.h"

namespace revuzavi {

// `draw` paints the view's client on a bitmap of its size, which ExportPicture stores; the file
// name goes to `stored`.
common::Result ExportViewPicture(ViewerState& state, const plat::View& view,
                                 const std::function<void(plat::Dc&)>& draw, std::string& stored);

}  // namespace revuzavi
