#pragma once
// The text of a single-line edit control with its selection and caret, and
// the edits on them: what the control does, without a window, so that it can
// be checked alone. Text is Windows-1252; positions are byte offsets.
#include <string>
#include <string_view>

namespace plat {

class EditText {
 public:
  // Win32's default limit of a single-line edit.
  static constexpr int kDefaultLimit = 30000;
  static constexpr int kLargestLimit = 0x7FFFFFFE;

  const std::string& text() const { return text_; }
  int length() const { return static_cast<int>(text_.size()); }
  // The selection runs from the anchor to the caret (either way round).
  int anchor() const { return anchor_; }
  int caret() const { return caret_; }
  int selection_start() const { return anchor_ < caret_ ? anchor_ : caret_; }
  int selection_end() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool HasSelection() const { return anchor_ != caret_; }
  std::string SelectedText() const;

  // Replaces the whole text (the limit does not apply); the caret goes to the start.
  void SetText(std::string_view text);
  // EM_SETSEL: (0, -1) selects everything; a start of -1 removes the
  // selection and leaves the caret; positions are clamped to the text. The
  // caret goes to `end`.
  void SetSelection(int start, int end);
  // The limit in bytes; 0 or less: the largest. The text already there stays.
  void SetLimit(int limit);
  int limit() const { return limit_; }

  // Replaces the selection with `text`, cut to what the limit leaves room for;
  // the caret follows it. False when something was cut (Win32's EN_MAXTEXT).
  bool ReplaceSelection(std::string_view text);
  // Backspace: the selection, or the character before the caret. False when
  // nothing changed.
  bool DeleteBack();
  // Delete: the selection, or the character after the caret.
  bool DeleteForward();
  // Moves the caret (keeping the anchor when `extend`, else with it).
  void MoveCaret(int position, bool extend);
  // The start of the word before the caret and the start of the next word
  // (Ctrl+Left, Ctrl+Right).
  int WordLeft() const;
  int WordRight() const;

 private:
  std::string text_;
  int anchor_ = 0;
  int caret_ = 0;
  int limit_ = kDefaultLimit;
};

// A Windows-1252 letter in upper or lower case (ES_UPPERCASE, ES_LOWERCASE);
// other characters stay.
char UpperCp1252(char c);
char LowerCp1252(char c);

}  // namespace plat
