#pragma once
// Who answers a dialog: a test's script, a person at a display, or nobody.
// Only platform code includes this.
#include <string_view>

namespace plat::detail {

// A display exists on which a person can answer (not the offscreen or minimal platform).
bool HasDisplay();
// PLAT_MESSAGES is set: an unattended run of a real program.
bool UnattendedRun();
// Under the offscreen platform without PLAT_MESSAGES and without a test's
// script nobody can ever answer: reports `what` and `caption` on stderr and
// ends the program with exit code 97 at once, rather than wait.
void FailIfNobodyAnswers(std::string_view what, std::string_view caption);

}  // namespace plat::detail
