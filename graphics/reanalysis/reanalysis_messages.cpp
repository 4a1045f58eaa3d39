#include "graphics/reanalysis/reanalysis_messages.h"

#include <cstdio>
#include <string_view>

namespace revuzavi {

common::Result InverseMissingForElement() {
  return common::Result::Fail(
      "Inverse stiffness matrix not found. Open the program Frame in the main menu and click on save!", "OK");
}

common::Result InverseMissingForRun() {
  return common::Result::Fail(
      "The inverse stiffness matrix is missing. Open the program Frame in the main menu of the program and click on "
      "save!",
      "OK");
}

common::Result InverseMissingForNodes() {
  return common::Result::Fail(
      "The inverse stiffness matrix is missing. Click on the button Frame in the main menu and click then on Save!",
      "OK");
}

namespace {
constexpr const char* kSingular = "No convergence, K + Delta K probably singular";
constexpr std::string_view kDivergence = "Stop after ";
}  // namespace

common::Result NoConvergence(int divergences, double error) {
  char caption[96];
  std::snprintf(caption, sizeof caption, "Stop after %i divergent loops, error = %.2E", divergences, error);
  return common::Result::Fail(kSingular, caption);
}

std::string StopNote(const common::Result& stopped) {
  return stopped.caption().starts_with(kDivergence) ? stopped.caption() : stopped.text();
}

common::Result MechanismLeft() { return common::Result::Fail(kSingular, "Error"); }

common::Result UnusableFile(const std::string& path, const common::FileStatus& status) {
  if (status.damaged()) return common::CheckFile(path, status);
  return common::Result::Fail("The file " + path + " is missing.", "Error");
}

}  // namespace revuzavi
