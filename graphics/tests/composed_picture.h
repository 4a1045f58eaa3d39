#pragma once
// What one composed picture of the results viewer draws on and keeps: the views' state, the
// picture state, the drawing's memory and the recording device.
#include "graphics/compose/picture_request.h"
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi::testing {

struct ComposedPicture {
  ViewState view;
  PictureState picture;
  PictureMemory memory;
  plat::RecordingDc dc;
};

}  // namespace revuzavi::testing
