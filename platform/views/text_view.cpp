#include "platform/views/text_view.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/frames/command_ids.h"
#include "platform/frames/document.h"
#include "platform/text_file.h"
#include "platform/window/virtual_keys.h"

namespace plat {

namespace {

// Every line end becomes "\r\n".
std::string WindowsLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

// A line for the printer: tabs to the next multiple of eight.
std::string ExpandTabs(const std::string& line) {
  std::string out;
  for (char c : line) {
    if (c == '\t') {
      do out += ' ';
      while (out.size() % 8 != 0);
    } else {
      out += c;
    }
  }
  return out;
}

// Splits a line into pieces no wider than `width` in the font selected on
// `dc`, each ending after its last blank where there is one, so that nothing
// is lost at the right margin.
std::vector<std::string> WrapToWidth(Dc& dc, const std::string& line, int width) {
  std::vector<std::string> pieces;
  std::string rest = line;
  while (dc.GetTextExtent(rest).cx > width) {
    std::size_t fits = 1;  // at least one character a piece
    std::size_t low = 1, high = rest.size();
    while (low <= high) {
      const std::size_t mid = low + (high - low) / 2;
      if (dc.GetTextExtent(std::string_view(rest).substr(0, mid)).cx <= width) {
        fits = mid;
        low = mid + 1;
      } else {
        high = mid - 1;
      }
    }
    const std::size_t blank = rest.find_last_of(' ', fits - 1);
    const std::size_t cut = blank != std::string::npos && blank > 0 ? blank + 1 : fits;
    pieces.push_back(rest.substr(0, cut));
    rest.erase(0, cut);
  }
  pieces.push_back(rest);
  return pieces;
}

}  // namespace

// The edit that shows the text; the keys and buttons it does not use go on
// to the view.
class TextView::TextControl : public RichEdit {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    Window* view = GetParent();
    if (view) {
      const bool view_key = (message == WM_KEYDOWN || message == WM_KEYUP) &&
                            (wParam == static_cast<WPARAM>(VK_ESCAPE) || wParam == static_cast<WPARAM>(VK_TAB) ||
                             wParam == static_cast<WPARAM>(VK_RETURN) ||
                             (wParam >= static_cast<WPARAM>(VK_F1) && wParam <= static_cast<WPARAM>(VK_F24)));
      const bool view_button = message == WM_XBUTTONDOWN || message == WM_XBUTTONUP || message == WM_XBUTTONDBLCLK;
      if (view_key || view_button) {
        LPARAM l = lParam;
        if (view_button) {
          Point p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
          ClientToScreen(&p);
          view->ScreenToClient(&p);
          l = MAKELPARAM(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
        }
        return view->SendMessage(message, wParam, l);
      }
    }
    return RichEdit::WindowProc(message, wParam, lParam);
  }
};

TextView::TextView() {
  MapCommand(ID_EDIT_COPY, [this] { Copy(); });
  MapUpdate(ID_EDIT_COPY, [this](CmdUI& ui) { ui.Enable(!GetSelText().empty()); });
  MapCommand(ID_EDIT_SELECT_ALL, [this] { SelectAll(); });
  MapCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
  MapCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  MapCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

TextView::~TextView() { DestroyWindow(); }

int TextView::OnCreate(const CREATESTRUCT& create) {
  if (View::OnCreate(create) == -1) return -1;
  edit_ = std::make_unique<TextControl>();
  Rect client;
  GetClientRect(&client);
  // ES_AUTOHSCROLL: a line wider than the window comes into view as the caret moves along it.
  if (!edit_->Create(ES_READONLY | ES_NOHIDESEL | ES_AUTOHSCROLL | WS_VSCROLL | WS_VISIBLE, client, this,
                     AFX_IDW_PANE_FIRST + 1)) {
    return -1;
  }
  edit_->SendMessage(EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  edit_->SetDefaultCharFormat(format_);
  if (!pending_text_.empty()) edit_->SetWindowText(pending_text_);
  pending_text_.clear();
  return 0;
}

void TextView::OnSize(UINT type, int cx, int cy) {
  View::OnSize(type, cx, cy);
  if (edit_ && edit_->GetSafeHwnd()) edit_->MoveWindow(0, 0, cx, cy);
}

void TextView::OnSetFocus(Window*) {
  if (edit_ && edit_->GetSafeHwnd()) edit_->SetFocus();
}

void TextView::SetText(std::string_view text) {
  std::string lines = WindowsLines(text);
  if (edit_ && edit_->GetSafeHwnd()) {
    edit_->SetWindowText(lines);
    edit_->SetSel(0, 0);
  } else {
    pending_text_ = std::move(lines);
  }
}

std::string TextView::GetText() const {
  if (edit_ && edit_->GetSafeHwnd()) return edit_->GetWindowText();
  return pending_text_;
}

common::Result TextView::LoadFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return common::Result::Fail("The file " + path + " cannot be opened.", "Error");
  std::string text;
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return common::Result::Fail("The file " + path + " cannot be read.", "Error");
  SetText(text);
  return common::Result::Ok();
}

void TextView::SetCharFormat(const CharFormat& format) {
  format_ = format;
  if (edit_ && edit_->GetSafeHwnd()) edit_->SetDefaultCharFormat(format_);
}

void TextView::SetSel(int start, int end) {
  if (edit_ && edit_->GetSafeHwnd()) edit_->SetSel(start, end);
}

void TextView::GetSel(int* start, int* end) const {
  int s = 0;
  int e = 0;
  if (edit_ && edit_->GetSafeHwnd()) edit_->GetSel(&s, &e);
  if (start) *start = s;
  if (end) *end = e;
}

std::string TextView::GetSelText() const {
  int start = 0;
  int end = 0;
  GetSel(&start, &end);
  if (end <= start) return {};
  const std::string text = GetText();
  start = std::clamp(start, 0, static_cast<int>(text.size()));
  end = std::clamp(end, start, static_cast<int>(text.size()));
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void TextView::SelectAll() { SetSel(0, -1); }

bool TextView::Copy() {
  if (!edit_ || !edit_->GetSafeHwnd() || GetSelText().empty()) return false;
  edit_->Copy();
  return true;
}

int TextView::GetLineCount() const {
  if (edit_ && edit_->GetSafeHwnd()) return edit_->GetLineCount();
  return static_cast<int>(SplitLines(pending_text_).size());
}

RichEdit& TextView::GetRichEditCtrl() { return *edit_; }

Font TextView::PrinterFont(const Dc& dc) const {
  Font font = RichEdit::FontOf(format_);
  // Twips to the printer's pixels.
  font.height = -std::max(1, static_cast<int>(static_cast<long long>(format_.height_twips) *
                                                  dc.GetDeviceCaps(LOGPIXELSY) / 1440));
  return font;
}

Rect TextView::PrintArea(const Dc& dc) const {
  // Margins of an inch left and right and three quarters of an inch above and below.
  const int dpi_x = dc.GetDeviceCaps(LOGPIXELSX);
  const int dpi_y = dc.GetDeviceCaps(LOGPIXELSY);
  const int width = dc.GetDeviceCaps(HORZRES);
  const int height = dc.GetDeviceCaps(VERTRES);
  return Rect{dpi_x, dpi_y * 3 / 4, std::max(dpi_x + 1, width - dpi_x), std::max(dpi_y, height - dpi_y * 3 / 4)};
}

bool TextView::OnPreparePrinting(PrintInfo& info) {
  info.document_name = GetDocument() ? GetDocument()->GetTitle() : std::string("Text");
  return DoPreparePrinting(info);
}

void TextView::OnBeginPrinting(PrinterDc& dc, PrintInfo& info) {
  const Rect area = PrintArea(dc);
  dc.SaveDC();
  dc.SelectFont(PrinterFont(dc));
  const int line_height = std::max(1, dc.GetTextMetrics().height);
  // Lines wider than the page go on over as many printed lines as they need.
  print_lines_.clear();
  for (const std::string& line : SplitLines(GetText())) {
    for (std::string& piece : WrapToWidth(dc, ExpandTabs(line), area.Width())) print_lines_.push_back(std::move(piece));
  }
  dc.RestoreDC(-1);
  lines_per_page_ = std::max(1, area.Height() / line_height);
  const int lines = static_cast<int>(print_lines_.size());
  info.SetMaxPage(std::max(1, (lines + lines_per_page_ - 1) / lines_per_page_));
}

void TextView::OnPrepareDC(PrinterDc&, PrintInfo& info) {
  info.continue_printing = info.current_page >= 1 && info.current_page <= info.GetMaxPage();
}

void TextView::OnPrint(PrinterDc& dc, PrintInfo& info) {
  dc.SaveDC();
  dc.SetMapMode(MM_TEXT);
  dc.SelectFont(PrinterFont(dc));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(Rgb(0, 0, 0));
  dc.SetTextAlign(TA_LEFT | TA_TOP);
  const Rect area = PrintArea(dc);
  dc.IntersectClipRect(area.left, area.top, area.right, area.bottom);
  const int line_height = std::max(1, dc.GetTextMetrics().height);
  const int first = (info.current_page - 1) * lines_per_page_;
  const int last = std::min(static_cast<int>(print_lines_.size()), first + lines_per_page_);
  for (int i = first; i < last; ++i) {
    dc.TextOut(area.left, area.top + (i - first) * line_height, print_lines_[static_cast<std::size_t>(i)]);
  }
  dc.RestoreDC(-1);
}

}  // namespace plat
