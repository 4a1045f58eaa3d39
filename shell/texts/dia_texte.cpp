#include "shell/texts/dia_texte.h"

#include <algorithm>

#include "common/settings_files.h"
#include "platform/dc/dc.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/window/messages.h"
#include "platform/window/system_metrics.h"
#include "platform/window/virtual_keys.h"
#include "shell/dialogs/dia_formular.h"
#include "shell/dialogs/dia_page.h"
#include "shell/frame/program_starts.h"
#include "shell/paths/path_dialog.h"
#include "shell/print/print_text.h"
#include "shell/texts/shell_file_op.h"
#include "shell/texts/texts_dialogs.h"
#include "shell/texts/texts_files.h"
#include "shell/texts/texts_lines.h"

namespace quentaris {
namespace {

constexpr const char* kCopyFolderFile = "DPFADF";
constexpr int kTallScreen = 1500;

void ShowStartFailure(const std::string& text, const char* caption) {
  plat::MessageBox(text, caption, plat::MB_OK | plat::MB_ICONINFORMATION);
}

}  // namespace

CDiaTexte::CDiaTexte(ShellState& state, plat::Window* view)
    : ShellDialog(kDiaTexteTemplate, "Texts", view), state_(state), view_(view) {}

void CDiaTexte::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kTextsList,
              plat::LBS_OWNERDRAWFIXED | plat::LBS_HASSTRINGS | plat::LBS_EXTENDEDSEL | plat::LBS_NOTIFY |
                  plat::LBS_NOINTEGRALHEIGHT | plat::WS_VSCROLL | plat::WS_HSCROLL | plat::WS_BORDER,
              80, 18, &list_);
  auto buttons = layout.Row();
  buttons.DefPushButton("&OK", plat::IDOK);
  buttons.PushButton("&Stop", plat::IDCANCEL);
  buttons.PushButton("&Print", kTextsPrint);
  buttons.PushButton("Print (page form)", kTextsPrintForm);
  buttons.PushButton("Print to file", kTextsPrintToFile);
  buttons.PushButton("&Delete", kTextsDelete);
  buttons.PushButton("SDIR...", kTextsSdir);
  buttons.PushButton("Copy options", kTextsCopyOptions);
  buttons.PushButton("Help", kTextsHelp);
}

bool CDiaTexte::OnInitDialog() {
  ShellDialog::OnInitDialog();
  {
    const auto dc = GetDC();
    const int ppi = dc ? dc->GetDeviceCaps(plat::LOGPIXELSY) : 96;
    list_font_ = plat::Font{"Courier New", -(9 * ppi / 72)};
  }
  list_.SetFont(&list_font_);
  Fill();
  return false;
}

void CDiaTexte::Fill() {
  list_.ResetContent();
  const int screen = plat::GetSystemMetrics(plat::SM_CYSCREEN);
  for (const TextsLine& line : FillTextsLines(state_.position_folder)) list_.AddLine(line.colour, line.text);
  if (screen > kTallScreen) list_.SetItemHeight(0, static_cast<int>(18 * (0.8 * screen / 1200.0)));
  // The last page of lines in view, as a full list shows it.
  plat::Rect client;
  list_.GetClientRect(&client);
  const int visible = std::max(1, client.Height() / std::max(1, list_.GetItemHeight(0)));
  list_.SetTopIndex(std::max(0, list_.GetCount() - visible));
  if (list_.GetCount() > 0) list_.SetSel(list_.GetCount() - 1, true);
  list_.SetFocus();
}

std::vector<int> CDiaTexte::SelectedListings() const {
  std::vector<int> numbers;
  for (const int index : list_.GetSelItems()) {
    if (const auto number = ListingNumber(list_.LineText(index))) numbers.push_back(*number);
  }
  return numbers;
}

void CDiaTexte::DeselectAll() { list_.SetSel(-1, false); }

bool CDiaTexte::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  if (id == kTextsList && plat::HIWORD(wParam) == plat::LBN_DBLCLK) {
    ShowLine(list_.GetCaretIndex());
    return true;
  }
  switch (id) {
    case kTextsPrint: PrintSelected(); return true;
    case kTextsPrintForm: PrintThroughZevril(); return true;
    case kTextsPrintToFile: PrintSelectedToFile(); return true;
    case kTextsDelete: DeleteSelected(); return true;
    case kTextsSdir: OpenExplorer(state_.position_folder); return true;
    case kTextsHelp: StartBeside("LERVENTA", {kTextsHelpPage}, std::string("LERVENTA.EXE ") + kTextsHelpPage); return true;
    case kTextsCopyOptions: {
      CDiaCopyOpt options(state_.settings, this);
      options.DoModal();
      return true;
    }
    default: return ShellDialog::OnCommand(wParam, lParam);
  }
}

bool CDiaTexte::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_KEYDOWN && msg->hwnd == list_.GetSafeHwnd()) {
    if (msg->wParam == plat::VK_RETURN) {
      ShowLine(list_.GetCaretIndex());
      return true;
    }
    if (msg->wParam == plat::VK_DELETE) {
      DeleteSelected();
      return true;
    }
  }
  return ShellDialog::PreTranslateMessage(msg);
}

void CDiaTexte::OnContextMenu(plat::Window*, plat::Point) { CopySelected(); }

void CDiaTexte::OnOK() {
  if (view_ != nullptr) view_->PostMessage(kCloseTextsMessage, 1, 0);
}

void CDiaTexte::ShowLine(int index) {
  if (index < 0 || index >= list_.GetCount()) return;
  const std::string line = list_.LineText(index);
  const std::string file = TextsLineFile(state_.position_folder, line);
  if (!file.empty()) {
    const common::Result opened = plat::OpenDocument(file);
    if (!opened) ShowStartFailure(opened.text(), ListingName(line).empty() ? "EXPLORER.EXE" : "TEXTS.EXE");
  }
  list_.SetSel(index, false);
}

void CDiaTexte::PrintSelected() {
  const std::vector<int> numbers = SelectedListings();
  CDiaPage page(state_, this);
  if (page.DoModal() != plat::IDOK) return;
  PrintTextFiles(state_, numbers);
  DeselectAll();
}

void CDiaTexte::PrintThroughZevril() {
  CDiaFormular form(state_, this);
  if (form.DoModal() != plat::IDOK) return;
  // One job after the other: each reads and advances the page counter.
  for (const int index : list_.GetSelItems()) {
    const std::string file = ZevrilListingFile(state_.position_folder, list_.LineText(index));
    if (file.empty()) continue;
    std::string error;
    if (!plat::RunAndWaitPainted(this, plat::SiblingProgram("ZEVRIL"), {file, "/p"}, {}, &error)) {
      ShowStartFailure(error, "ZEVRIL.EXE");
      break;
    }
  }
  DeselectAll();
}

void CDiaTexte::PrintSelectedToFile() {
  const std::vector<int> numbers = SelectedListings();
  CDiaName name(state_.position_folder, this);
  if (name.DoModal() != plat::IDOK) return;
  PrintTextFilesToFile(state_, name.name, numbers);
  DeselectAll();
}

void CDiaTexte::DeleteSelected() {
  const std::vector<int> chosen = list_.GetSelItems();
  if (chosen.empty()) return;
  const char* question = chosen.size() == 1 ? "Delete file?" : "Delete files?";
  if (plat::MessageBox(question, " ", plat::MB_YESNO | plat::MB_ICONQUESTION) != plat::IDYES) return;
  std::vector<std::string> lines;
  for (int i = 0; i < list_.GetCount(); ++i) lines.push_back(list_.LineText(i));
  const std::string clip = state_.position_folder + "CLIP" + state_.position_ext;
  for (const std::string& failed : DeleteTextsLines(state_.position_folder, clip, lines, chosen)) ShowCannotWrite(failed);
  // The lines whose files went leave the list, from the end.
  std::vector<int> order = chosen;
  std::sort(order.rbegin(), order.rend());
  for (const int index : order) {
    const std::string file = TextsLineFile(state_.position_folder, list_.LineText(index));
    if (!file.empty() && !plat::FileExists(file)) list_.DeleteString(index);
  }
}

void CDiaTexte::CopySelected() {
  const std::string folder_file = state_.position_folder + kCopyFolderFile;
  CPathDialog dialog("Copy files", "Folder where files are stored.", common::ReadTextBlock(folder_file).value_or(""),
                     this);
  if (dialog.DoModal() != 1) return;
  const std::string target = dialog.path();
  if (!common::WriteTextBlock(folder_file, target)) ShowCannotWrite(folder_file);
  const bool pdf = ReadPdfCopy(state_.settings) == 1;
  CDiaVorspann preamble(this);
  if (preamble.DoModal() != plat::IDOK) return;
  for (const int index : list_.GetSelItems()) {
    const TextsCopy copy = TextsCopyPaths(state_.position_folder, list_.LineText(index), target, preamble.preamble, pdf);
    if (copy.source.empty()) continue;
    CShellFileOp op(CShellFileOp::kCopy);
    op.AddSourceFile(copy.source);
    op.AddDestFile(copy.target);
    op.Go();
  }
  DeselectAll();
}

}  // namespace quentaris
