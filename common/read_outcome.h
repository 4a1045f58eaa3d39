#pragma once
// What a reader or another operation of a program reports: success; a
// refusal (a message, and the state is as it was); or a failure after which
// the program ends (a message and the exit code the program ends with).
#include <string>
#include <utility>

#include "common/result.h"

namespace common {

class [[nodiscard]] ReadOutcome {
 public:
  static ReadOutcome Ok() { return ReadOutcome(); }
  static ReadOutcome Refused(common::Result message) {
    ReadOutcome r;
    r.message_ = std::move(message);
    return r;
  }
  static ReadOutcome Fatal(common::Result message, int exit_code) {
    ReadOutcome r;
    r.message_ = std::move(message);
    r.ends_program_ = true;
    r.exit_code_ = exit_code;
    return r;
  }

  bool ok() const { return message_.ok(); }
  bool ends_program() const { return ends_program_; }
  int exit_code() const { return exit_code_; }
  const common::Result& message() const { return message_; }

 private:
  Result message_ = Result::Ok();
  bool ends_program_ = false;
  int exit_code_ = 0;
};

}  // namespace common
