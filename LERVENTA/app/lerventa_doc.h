#pragma once
// LERVENTA's document: the page shown is its path name; it holds no data and
// stores nothing.
#include "platform/frames/document.h"

namespace lerventa {

class CLerventaDoc : public plat::Document {};

}  // namespace lerventa
