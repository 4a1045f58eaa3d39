#pragma once
// The document of every window of the results viewer: it holds nothing, the
// data are the session's.
#include "platform/frames/document.h"

namespace revuzavi {

class CGRAPHDoc : public plat::Document {};

}  // namespace revuzavi
