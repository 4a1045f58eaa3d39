#pragma once
// The acts of a script's steps, done through plat::testing as a person's acts:
// menu choices, commands, keys, clicks, dialog fields, the view's size and
// snapshots.
#include <string>

#include "platform/script/script_line.h"

namespace plat::script {

// Does a step other than "wait" (which the run times itself) and the answers of
// common dialogs. `folder` is the script's folder (ending with "/"), where
// relative snapshot paths lie. Returns "" when done, else why it was not.
std::string PerformStep(const Step& step, const std::string& folder);

// A menu item's text as a script names it: "&" marks left out ("&&" is one
// "&"), the accelerator part after a tab cut off.
std::string MenuItemName(std::string_view text);

}  // namespace plat::script
