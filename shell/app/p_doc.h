#pragma once
// The shell's document: empty; the position lives in the shell's state.
#include "platform/frames/document.h"

namespace quentaris {

class CPDoc : public plat::Document {};

}  // namespace quentaris
