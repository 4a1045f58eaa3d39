#pragma once
// Failures travel as values: success, or a message text with its caption.
#include <optional>
#include <string>
#include <utility>

namespace common {

class [[nodiscard]] Result {
 public:
  static Result Ok() { return Result(); }
  static Result Fail(std::string text, std::string caption = " ") {
    Result r;
    r.failed_ = true;
    r.text_ = std::move(text);
    r.caption_ = std::move(caption);
    return r;
  }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& text() const { return text_; }
  const std::string& caption() const { return caption_; }

 private:
  bool failed_ = false;
  std::string text_;
  std::string caption_;
};

// A value, or the failure that prevented it.
template <class T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  Outcome(Result failure) : failure_(std::move(failure)) {}  // NOLINT

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  const Result& failure() const { return failure_; }

 private:
  std::optional<T> value_;
  Result failure_;
};

}  // namespace common
