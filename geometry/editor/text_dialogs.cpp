#include "geometry/editor/text_dialogs.h"

#include <algorithm>
#include <cstdlib>

#include "common/text_to_float.h"
#include "platform/binary_io.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace kelmf {
namespace {

constexpr std::size_t kListingLineLength = 249;
constexpr plat::DWORD kTextStyle = plat::ES_MULTILINE | plat::ES_AUTOVSCROLL | plat::WS_VSCROLL | plat::ES_WANTRETURN;

std::string FileText(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace

void StartHelpViewer(const std::string& page) {
  const common::Result started = plat::StartDetached(plat::SiblingProgram("LERVENTA.EXE"), {page});
  if (!started) plat::MessageBox(started.text(), "LERVENTA.EXE " + page, plat::MB_ICONINFORMATION);
}

// ---- Echo ----

CDiaEcho::CDiaEcho(std::string path, plat::Window* owner)
    : plat::Dialog(text_ids::kEchoDialog, "Echo", owner), path_(std::move(path)) {}

void CDiaEcho::BuildLayout(plat::DialogLayout& layout) {
  layout.MultiLineEdit(text_ids::kText, kTextStyle, 90, 30, &text_);
  auto buttons = layout.OkCancel("&OK", "&Stop");
  buttons.PushButton("Help", text_ids::kHelp);
}

bool CDiaEcho::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowText(path_);
  text_.SetWindowText(FileText(path_));
  text_changed_ = false;
  text_written_ = false;
  GotoDlgCtrl(&text_);
  text_.SetSel(0, 0);  // the caret at the start, nothing selected
  return false;
}

void CDiaEcho::OnOK() {
  if (text_changed_) {
    if (!plat::ReplaceWholeFile(path_, text_.GetWindowText())) return;  // stays open: retry or stop
    text_written_ = true;
  }
  EndDialog(plat::IDOK);
}

bool CDiaEcho::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  if (id == text_ids::kText && plat::HIWORD(wParam) == plat::EN_CHANGE) {
    text_changed_ = true;
    return true;
  }
  if (id == text_ids::kHelp && lParam != 0 && plat::HIWORD(wParam) == plat::BN_CLICKED) {
    StartHelpViewer(kEchoHelpPage);
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

// ---- Text ----

TextSource FindTextSource(const std::string& folder, TextKind kind) {
  TextSource source;
  for (const char* name : {kind == TextKind::kListing ? "D1.TXT" : "LOGGEOMETRIE.TXT", "D1"}) {
    source.last_tried = folder + name;
    if (plat::FileExists(source.last_tried)) {
      source.path = source.last_tried;
      break;
    }
  }
  return source;
}

CDiaText::CDiaText(std::string folder, TextKind kind, plat::Window* owner)
    : plat::Dialog(text_ids::kTextDialog, "Text", owner), folder_(std::move(folder)), kind_(kind) {}

void CDiaText::BuildLayout(plat::DialogLayout& layout) {
  auto body = layout.Row();
  body.RichText(text_ids::kText, kTextStyle | plat::ES_READONLY, 90, 30, &text_);
  body.Text("For your\ninformation");
  layout.OkCancel("&OK", "&Stop");
}

bool CDiaText::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  const TextSource source = FindTextSource(folder_, kind_);
  const auto lines = source.path ? plat::ReadLines(*source.path) : std::nullopt;
  if (!lines) {
    const std::string text = kind_ == TextKind::kListing ? "No input yet. The file " + source.last_tried + " is missing."
                                                         : "The file " + source.last_tried + " is missing.";
    plat::MessageBox(text, "Error");
    EndDialog(plat::IDCANCEL);
    return false;
  }
  std::string text;
  for (const std::string& line : *lines) {
    text += line.substr(0, kListingLineLength);
    text += "\r\n";
  }
  // A listing's columns line up only in a fixed-pitch font ("Courier New").
  text_.SetDefaultCharFormat(plat::CharFormat{});
  text_.SetWindowText(text);
  GotoDlgCtrl(&text_);
  text_.SetSel(0, 0);
  return false;
}

// ---- Font ----

CDiaFont::CDiaFont(plat::Window* owner) : plat::Dialog(text_ids::kFontDialog, "Font", owner) {}

void CDiaFont::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field("Size").EditBox(text_ids::kText);
  layout.OkCancel("OK", "Stop");
}

void CDiaFont::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, text_ids::kText, text);
  if (!dx.saving()) return;
  std::string number = text;
  if (const std::size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  const double read = std::strtod(number.c_str(), nullptr);
  if (!(read > 0.0)) {
    dx.Fail("Please enter a size above 0.");
    return;
  }
  size = read;
}

bool CDiaFont::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(text_ids::kText))) {
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
  }
  return false;
}

// ---- Title ----

CDiaTitel::CDiaTitel(plat::Window* owner) : plat::Dialog(text_ids::kTitleDialog, "Title of project", owner) {}

void CDiaTitel::BuildLayout(plat::DialogLayout& layout) {
  layout.EditBox(text_ids::kText, plat::ES_AUTOHSCROLL, 60);
  layout.OkCancel("OK", "Stop");
}

void CDiaTitel::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Text(dx, text_ids::kText, title); }

bool CDiaTitel::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(text_ids::kText))) {
    edit->SetLimitText(std::max<int>(kTypedTitleLength, static_cast<int>(title.size())));
  }
  return true;
}

}  // namespace kelmf
