#include "platform/controls/edit_text.h"

#include <algorithm>

namespace plat {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string EditText::SelectedText() const {
  return text_.substr(static_cast<std::size_t>(selection_start()),
                      static_cast<std::size_t>(selection_end() - selection_start()));
}

void EditText::SetText(std::string_view text) {
  text_ = std::string(text);
  anchor_ = caret_ = 0;
}

void EditText::SetSelection(int start, int end) {
  const int n = length();
  if (start == -1) {
    anchor_ = caret_;
    return;
  }
  if (start == 0 && end == -1) {
    anchor_ = 0;
    caret_ = n;
    return;
  }
  anchor_ = std::clamp(start, 0, n);
  caret_ = end < 0 ? n : std::clamp(end, 0, n);
}

void EditText::SetLimit(int limit) { limit_ = limit <= 0 ? kLargestLimit : limit; }

bool EditText::ReplaceSelection(std::string_view text) {
  const int start = selection_start();
  const int kept = length() - (selection_end() - start);
  const int room = std::max(0, limit_ - kept);
  const std::size_t take = std::min<std::size_t>(text.size(), static_cast<std::size_t>(room));
  text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(selection_end() - start), text.substr(0, take));
  anchor_ = caret_ = start + static_cast<int>(take);
  return take == text.size();
}

bool EditText::DeleteBack() {
  if (!HasSelection()) {
    if (caret_ == 0) return false;
    anchor_ = caret_ - 1;
  }
  ReplaceSelection({});
  return true;
}

bool EditText::DeleteForward() {
  if (!HasSelection()) {
    if (caret_ >= length()) return false;
    anchor_ = caret_ + 1;
  }
  ReplaceSelection({});
  return true;
}

void EditText::MoveCaret(int position, bool extend) {
  caret_ = std::clamp(position, 0, length());
  if (!extend) anchor_ = caret_;
}

int EditText::WordLeft() const {
  int p = caret_;
  while (p > 0 && IsBlank(text_[static_cast<std::size_t>(p - 1)])) --p;
  while (p > 0 && !IsBlank(text_[static_cast<std::size_t>(p - 1)])) --p;
  return p;
}

int EditText::WordRight() const {
  int p = caret_;
  const int n = length();
  while (p < n && !IsBlank(text_[static_cast<std::size_t>(p)])) ++p;
  while (p < n && IsBlank(text_[static_cast<std::size_t>(p)])) ++p;
  return p;
}

char UpperCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // š
    case 0x9C: return static_cast<char>(0x8C);  // œ
    case 0x9E: return static_cast<char>(0x8E);  // ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ
    default: return c;
  }
}

char LowerCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
  }
}

}  // namespace plat
