#include "platform/message_box.h"

#include <cctype>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/hooks.h"
#include "platform/message_box_window.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace plat {
namespace {

std::mutex unattended_mutex;
std::size_t answers_used = 0;
const detail::WindowBoxes* window_boxes = nullptr;

int ParseAnswer(std::string word, int fallback) {
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  while (!word.empty() && (word.back() == ' ' || word.back() == '\t')) word.pop_back();
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  char* end = nullptr;
  long n = std::strtol(word.c_str(), &end, 10);
  if (end != word.c_str() && *end == '\0') return static_cast<int>(n);
  return fallback;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

int Unattended(const char* log_path, std::string_view text, std::string_view caption, unsigned flags) {
  std::lock_guard<std::mutex> lock(unattended_mutex);
  std::string line = Cp1252ToUtf8(Escaped(caption)) + "\t" + Cp1252ToUtf8(Escaped(text)) + "\n";
  if (std::FILE* f = std::fopen(log_path, "ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
  }
  int answer = DefaultAnswer(flags);
  if (const char* answers = std::getenv("PLAT_ANSWERS"); answers && *answers) {
    if (auto lines = ReadLines(answers); lines && answers_used < lines->size()) {
      answer = ParseAnswer((*lines)[answers_used++], answer);
    }
  }
  return answer;
}

}  // namespace

namespace detail {
void SetWindowBoxes(const WindowBoxes* boxes) { window_boxes = boxes; }
}  // namespace detail

int DefaultAnswer(unsigned flags) {
  const unsigned def = (flags >> 8) & 0xF;
  switch (flags & 0xF) {
    case MB_OKCANCEL: return def == 1 ? IDCANCEL : IDOK;
    case MB_YESNO: return def == 1 ? IDNO : IDYES;
    case MB_YESNOCANCEL: return def == 2 ? IDCANCEL : def == 1 ? IDNO : IDYES;
    default: return IDOK;
  }
}

bool MessagesUnattended() {
  const char* log = std::getenv("PLAT_MESSAGES");
  return log && *log && !hooks::message_box;
}

int MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  if (MessagesUnattended()) return Unattended(std::getenv("PLAT_MESSAGES"), text, caption, flags);
  if (window_boxes) return window_boxes->show(text, caption, flags);
  if (auto* h = hooks::message_box) return h->handle(std::string(text), std::string(caption), flags);
  // No window system: nobody can be asked.
  std::fprintf(stderr, "%s: %s\n", Cp1252ToUtf8(caption).c_str(), Cp1252ToUtf8(text).c_str());
  return DefaultAnswer(flags);
}

void FileErrorBox(std::string_view path, FileAccess access, int error_number) {
  std::string text = "The file ";
  text += path;
  text += access == FileAccess::kCreate ? " could not be created." : " could not be opened.";
  if (error_number != 0) {
    text += "\n";
    text += std::strerror(error_number);
  }
  MessageBox(text, " ", MB_OK | MB_ICONEXCLAMATION);
}

void Beep() {
  ++hooks::beeps;
  if (window_boxes) window_boxes->beep();
}

}  // namespace plat
