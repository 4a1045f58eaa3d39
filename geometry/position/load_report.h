#pragma once
// What loading a position tells the user and whether the program goes on. The
// library shows no window: the program shows the messages in their order.
#include <utility>
#include <vector>

#include "common/result.h"

namespace kelmf {

struct LoadReport {
  // The position folder cannot be written: the program ends after the messages.
  bool ends_program = false;
  // The model files were rebuilt from the echo text.
  bool rebuilt_from_echo = false;
  // Message boxes (text and caption) in the order they are shown.
  std::vector<common::Result> messages;

  // Keeps a failure; success shows nothing.
  void Show(common::Result message) {
    if (!message.ok()) messages.push_back(std::move(message));
  }
};

}  // namespace kelmf
