#pragma once
// The file open and save dialogs (Win32's GetOpenFileName / GetSaveFileName,
// MFC's CFileDialog):
//
//   plat::FileDialog dialog(false, "txt", "LISTING.TXT", plat::OFN_OVERWRITEPROMPT,
//                           "Text files (*.txt)|*.txt|All files (*.*)|*.*||", view);
//   dialog.SetInitialFolder(position_folder);
//   if (dialog.DoModal() == plat::IDOK) Write(dialog.GetPathName());
//
// The filter is MFC's: pairs of a description and patterns (separated by
// ";"), each followed by "|", the whole ended by "|". Patterns match names
// whatever their case ("*.txt" shows DATA.TXT). A chosen name without an
// extension gets the default extension. Saving with OFN_OVERWRITEPROMPT asks
// "<name> already exists.\nDo you want to replace it?" (Yes/No, No the
// default) and, on No, asks for a name again; opening with OFN_FILEMUSTEXIST
// refuses a missing file with "<name>\nFile not found.\nCheck the file name and
// try again." and asks again.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs/common_dialog.h"

namespace plat {

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

// One entry of a filter: "Text files (*.txt)" with its patterns {"*.txt"}.
struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;
};

// The entries of an MFC filter string.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);
// Whether a file name matches a pattern ("*" and "?"), whatever the case.
bool MatchesPattern(std::string_view name, std::string_view pattern);

class FileDialog : public CommonDialog {
 public:
  // `open`: an open dialog, else a save dialog. `default_ext` without its
  // point; `file_name` the proposed name (or a path); `filter` as above.
  FileDialog(bool open, std::string_view default_ext = {}, std::string_view file_name = {},
             DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, std::string_view filter = {},
             Window* owner = nullptr);

  Kind kind() const override { return open_ ? Kind::kFileOpen : Kind::kFileSave; }
  // The folder the dialog starts in (ending with "/" or not).
  void SetInitialFolder(std::string_view folder) { folder_ = std::string(folder); }
  const std::string& initial_folder() const { return folder_; }
  const std::string& proposed_name() const { return file_name_; }
  const std::vector<FileFilter>& filters() const { return filters_; }
  // The filter chosen at the start (0: the first).
  void SetFilterIndex(int index) { filter_index_ = index; }
  int filter_index() const { return filter_index_; }

  // IDOK when a file was chosen, IDCANCEL otherwise.
  int DoModal();
  // The chosen file: the whole path, the name with and without the
  // extension, the extension (without its point), the folder (ending with "/").
  std::string GetPathName() const { return path_; }
  std::string GetFileName() const;
  std::string GetFileTitle() const;
  std::string GetFileExt() const;
  std::string GetFolderPath() const;

  // The names of the files in a folder that the chosen filter shows, sorted.
  std::vector<std::string> FilesShown(const std::string& folder) const;
  // Takes a name as the person's choice (a name alone lies in the start
  // folder; an empty name takes the proposed one); false when the choice is
  // refused (the questions above) and the dialog would ask again.
  bool Choose(std::string name);

 private:
  int AskPerson();

  bool open_;
  std::string default_ext_;
  std::string file_name_;
  DWORD flags_;
  std::vector<FileFilter> filters_;
  int filter_index_ = 0;
  std::string folder_;
  std::string path_;
};

}  // namespace plat
