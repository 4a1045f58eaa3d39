#include "platform/message_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/hooks.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "platform/window/ui_thread.h"

namespace plat {
namespace {

std::mutex unattended_mutex;
std::size_t answers_used = 0;

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

bool HasDisplay() {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

int ShowBox(std::string_view text, std::string_view caption, unsigned flags) {
  QMessageBox box;
  box.setWindowTitle(QString::fromStdString(Cp1252ToUtf8(caption)));
  box.setText(QString::fromStdString(Cp1252ToUtf8(text)));
  switch (flags & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  struct Choice {
    QMessageBox::StandardButton button;
    int id;
  };
  std::vector<Choice> choices;
  switch (flags & 0xF) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOCANCEL:
      choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
      break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
  }
  QMessageBox::StandardButtons buttons;
  for (const auto& c : choices) buttons |= c.button;
  box.setStandardButtons(buttons);
  const int def = DefaultAnswer(flags);
  for (const auto& c : choices) {
    if (c.id == def) box.setDefaultButton(c.button);
  }
  const int pressed = box.exec();
  for (const auto& c : choices) {
    if (pressed == c.button) return c.id;
  }
  // Closed with the window's close box: Cancel where there is one, else the default.
  for (const auto& c : choices) {
    if (c.id == IDCANCEL) return IDCANCEL;
  }
  return def;
}

}  // namespace

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
  if (detail::HasApplication() && !detail::OnUiThread()) {
    // A worker's box: the user-interface thread shows it (or answers it from the
    // test's script) while the worker waits for the answer.
    std::string t(text), c(caption);
    const auto answer = detail::CallOnUiThread([t, c, flags]() -> std::int64_t { return MessageBox(t, c, flags); });
    return answer ? static_cast<int>(*answer) : DefaultAnswer(flags);
  }
  if (auto* h = hooks::message_box) return h->handle(std::string(text), std::string(caption), flags);
  if (!HasDisplay()) {
    std::fprintf(stderr, "%s: %s\n", Cp1252ToUtf8(caption).c_str(), Cp1252ToUtf8(text).c_str());
    if (QGuiApplication::platformName() == "offscreen") {
      // Nobody can answer: fail at once rather than wait for a person.
      std::fprintf(stderr, "a message box was shown without PLAT_MESSAGES under the offscreen platform\n");
      std::fflush(stderr);
      std::_Exit(97);
    }
    return DefaultAnswer(flags);
  }
  return ShowBox(text, caption, flags);
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
  if (HasDisplay()) QApplication::beep();
}

}  // namespace plat
