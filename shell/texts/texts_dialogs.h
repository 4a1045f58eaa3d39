#pragma once
// The small dialogs of the texts dialog: the name of the file to print into,
// the preamble of copied file names, and what a copy takes (pdf or text).
#include <string>
#include <string_view>

#include "common/settings.h"
#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

inline constexpr plat::UINT kDiaNameTemplate = 109;
inline constexpr plat::UINT kDiaVorspannTemplate = 165;
inline constexpr plat::UINT kDiaCopyOptTemplate = 164;
inline constexpr plat::UINT kNameEdit = 1000;
inline constexpr plat::UINT kNamePath = 1083;
inline constexpr plat::UINT kPreambleEdit = 1000;
inline constexpr plat::UINT kCopyPdf = 1003;
inline constexpr plat::UINT kCopyText = 1004;
inline constexpr const char* kPdfCopyFile = "PDFCOPY";

// True when a preamble holds only letters, digits and "-+_.".
bool IsValidPreamble(std::string_view preamble);
// PDFCOPY in the settings folder: 1 copies pdf files; missing reads 0. It is
// written into the settings folder only (an unusable one fails the write).
int ReadPdfCopy(const common::SettingsContext& settings);
bool WritePdfCopy(const common::SettingsContext& settings, int value);

// 109 "Print to file": a plain file name in the position folder.
class CDiaName : public ShellDialog {
 public:
  CDiaName(std::string position_folder, plat::Window* owner = nullptr);
  std::string name;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  std::string position_folder_;
};

// 165 "Vorspann im Dateinamen": the preamble of copied file names.
class CDiaVorspann : public ShellDialog {
 public:
  explicit CDiaVorspann(plat::Window* owner = nullptr);
  std::string preamble;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;
};

// 164 "Copy options": pdf or text files; kept in PDFCOPY.
class CDiaCopyOpt : public ShellDialog {
 public:
  CDiaCopyOpt(const common::SettingsContext& settings, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  const common::SettingsContext& settings_;
  int choice_ = 1;  // 0: pdf files, 1: text files
};

}  // namespace quentaris
