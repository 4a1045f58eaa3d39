#pragma once
// The document of a page printer window: it holds nothing (the listing is
// the program's), it only names the window.
#include "platform/frames/document.h"

namespace zevril {

class CZelko1Doc : public plat::Document {};

}  // namespace zevril
