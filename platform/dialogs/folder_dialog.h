#pragma once
// The folder browser (Win32's SHBrowseForFolder with its callback, as MFC
// programs wrap it): a tree of folders under a text (the "title"), with a
// status line below it, starting at a given folder.
//
// The default status line shows the selected folder; a derived class changes
// what it shows, or allows OK only for some folders, in its handlers:
//
//   class DestinationDialog : public plat::FolderDialog {
//     void OnSelChanged(const std::string& folder) override {
//       SetStatusText(folder.size() > 35 ? folder.substr(0, 35) + "..." : folder);
//     }
//   };
#include <string>
#include <string_view>

#include "platform/dialogs/common_dialog.h"

namespace plat {

class FolderDialog : public CommonDialog {
 public:
  FolderDialog(std::string_view title = "Destination:", std::string_view start_folder = {}, Window* owner = nullptr);
  Kind kind() const override { return Kind::kFolder; }

  // IDOK when a folder was chosen (GetFolderPath), else IDCANCEL.
  int DoModal();
  // The chosen folder, without a final "/" (except the root).
  const std::string& GetFolderPath() const { return chosen_; }
  const std::string& start_folder() const { return start_; }

  // While the dialog is open (from the handlers):
  void SetStatusText(std::string_view text);
  const std::string& StatusText() const { return status_; }
  // Selects a folder of the tree (OnSelChanged follows).
  void SetSelection(std::string_view folder);
  const std::string& Selection() const { return selection_; }
  // Allows or forbids OK for the current selection.
  void EnableOK(bool enable);
  bool OkEnabled() const { return ok_enabled_; }

  // What a person did: selected a folder and pressed OK; false when OK is
  // not allowed for it.
  bool Choose(std::string_view folder);

 protected:
  // When the dialog opens: the default selects the start folder.
  virtual void OnInitialized();
  // After every change of the selection: the default shows it in the status line.
  virtual void OnSelChanged(const std::string& folder);

 private:
  struct Person;
  friend struct Person;
  int AskPerson();
  void Start();

  std::string start_;
  std::string chosen_;
  std::string selection_;
  std::string status_;
  bool ok_enabled_ = true;
  Person* person_ = nullptr;  // the dialog a person sees, while it is open
};

// A folder without its final "/" (the root stays "/").
std::string FolderWithoutSlash(std::string_view folder);

}  // namespace plat
