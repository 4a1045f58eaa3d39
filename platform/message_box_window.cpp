#include "platform/message_box_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/hooks.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "platform/window/ui_thread.h"

namespace plat::detail {
namespace {

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

// A box from any thread: a worker's is shown (or answered from the test's script) by the
// user-interface thread while the worker waits for the answer.
int ShowFromAnyThread(std::string_view text, std::string_view caption, unsigned flags) {
  if (HasApplication() && !OnUiThread()) {
    std::string t(text), c(caption);
    const auto answer = CallOnUiThread([t, c, flags]() -> std::int64_t { return MessageBox(t, c, flags); });
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

void BeepOnDisplay() {
  if (HasDisplay()) QApplication::beep();
}

constexpr WindowBoxes kWindowBoxes{ShowFromAnyThread, BeepOnDisplay};

}  // namespace

void InstallWindowBoxes() { SetWindowBoxes(&kWindowBoxes); }

}  // namespace plat::detail
