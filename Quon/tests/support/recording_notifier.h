#pragma once
// A notifier that keeps everything a run told it.
#include <string>
#include <vector>

#include "Quon/run/notifier.h"

namespace zedir::testing {

class RecordingNotifier : public RunNotifier {
 public:
  void StatusText(const std::string& text) override { status.push_back(text); }
  void MatrixFile(bool present) override { matrix.push_back(present); }
  void SettlementColumn(int column, int columns) override {
    settlement_columns.push_back(std::to_string(column) + "/" + std::to_string(columns));
  }
  void Message(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + "|" + text);
  }

  std::vector<std::string> status;
  std::vector<bool> matrix;
  std::vector<std::string> settlement_columns;
  std::vector<std::string> messages;
};

}  // namespace zedir::testing
