// Test child for dialogs nobody answers: "modal" shows a modal dialog that
// waits for a person; "self" one that ends itself from a timer with 7;
// "file" an open-file dialog. The exit code is the dialog's result.
#include <string>

#include "platform/application.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/dialogs/file_dialog.h"

namespace {

class Waiting : public plat::Dialog {
 public:
  explicit Waiting(bool ends_itself) : Dialog(102, "QUENTARIS"), ends_itself_(ends_itself) {}

 protected:
  void BuildLayout(plat::DialogLayout& layout) override { layout.OkCancel(); }
  bool OnInitDialog() override {
    if (ends_itself_) SetTimer(1, 20);
    return Dialog::OnInitDialog();
  }
  void OnTimer(plat::UINT_PTR) override { EndDialog(7); }

 private:
  bool ends_itself_;
};

}  // namespace

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "modal" || what == "self") return Waiting(what == "self").DoModal();
  if (what == "file") return plat::FileDialog(true, "txt", "", 0, "Text files (*.txt)|*.txt||").DoModal();
  return 100;
}
