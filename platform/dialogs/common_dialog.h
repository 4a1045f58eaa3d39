#pragma once
// What the common dialogs (file, folder, font) share: a title, an owner, and
// who answers them. A test's script (plat::testing::DialogScript) answers
// first; in an unattended run (PLAT_MESSAGES) they are cancelled; under the
// offscreen platform without either the program ends with exit code 97, as
// for a message box nobody can answer; otherwise a person answers a real
// dialog.
#include <functional>
#include <string>
#include <string_view>

#include "platform/window/window.h"

namespace plat {

class CommonDialog {
 public:
  enum class Kind { kFileOpen, kFileSave, kFolder, kFont };

  virtual ~CommonDialog();
  CommonDialog(const CommonDialog&) = delete;
  CommonDialog& operator=(const CommonDialog&) = delete;

  virtual Kind kind() const = 0;
  const std::string& title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = std::string(title); }
  Window* owner() const { return owner_; }

 protected:
  CommonDialog(std::string_view title, Window* owner) : title_(title), owner_(owner) {}
  // IDOK or IDCANCEL from the script, the unattended run, or `ask_person`.
  int Ask(const std::function<int()>& ask_person);

 private:
  std::string title_;
  Window* owner_;
};

}  // namespace plat
