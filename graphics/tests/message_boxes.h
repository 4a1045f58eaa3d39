#pragma once
// The message boxes a dialog script saw, as "caption|text", in order.
#include <string>
#include <vector>

#include "platform/testing/dialog_testing.h"

namespace revuzavi::testing {

inline std::vector<std::string> BoxTexts(const plat::testing::DialogScript& script) {
  std::vector<std::string> texts;
  for (const auto& shown : script.shown()) {
    if (shown.kind == plat::testing::ShownDialog::Kind::kMessageBox) texts.push_back(shown.caption + "|" + shown.text);
  }
  return texts;
}

}  // namespace revuzavi::testing
