#include "shell/print/print_text.h"

#include <cstdio>
#include <memory>

#include "common/page/heading_files.h"
#include "common/page/page_counter_files.h"
#include "common/page/printer_settings_file.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/dc/selected_font.h"
#include "platform/print/print_dialog.h"
#include "platform/text_file.h"
#include "shell/files/file_messages.h"
#include "shell/print/text_page.h"

namespace quentaris {
namespace {

std::vector<std::string> FileLines(const std::string& path) {
  auto lines = plat::ReadLines(path);
  return lines ? std::move(*lines) : std::vector<std::string>{};
}

void ShowPrintFailure(const plat::PrinterDc& dc) {
  plat::MessageBox("Printing failed: " + dc.LastError(), " ", plat::MB_OK | plat::MB_ICONERROR);
}

// The printer of the print dialog, or nullptr when it was cancelled.
std::unique_ptr<plat::PrinterDc> ChoosePrinter() {
  plat::PrintDialogData data;
  data.flags = plat::PD_ALLPAGES | plat::PD_NOPAGENUMS | plat::PD_NOSELECTION | plat::PD_HIDEPRINTTOFILE |
               plat::PD_USEDEVMODECOPIES;
  if (plat::PrintDialog(data) != plat::IDOK) return nullptr;
  return std::move(data.dc);
}

// A document in the listing font, ended (or aborted after a failure) when it goes.
class ListingJob {
 public:
  ListingJob(plat::PrinterDc& dc, const common::PrinterSettings& settings)
      : dc_(dc), font_(dc, PrinterSettingsFont(settings, dc.GetDeviceCaps(plat::LOGPIXELSY))) {
    dc_.SetMapMode(plat::MM_TEXT);
    dc_.SetBkMode(plat::OPAQUE);
    started_ = dc_.StartDoc(kPrintDocumentName) > 0;
    if (!started_) failed_ = true;
  }
  ListingJob(const ListingJob&) = delete;
  ListingJob& operator=(const ListingJob&) = delete;

  bool ok() const { return !failed_; }
  bool StartPage() { return Check(dc_.StartPage()); }
  bool EndPage() { return Check(dc_.EndPage()); }
  // Completes the document; false (and the failure shown) when it failed.
  bool Finish() {
    if (!started_) {
      ShowPrintFailure(dc_);
      return false;
    }
    if (failed_) {
      const std::string error = dc_.LastError();
      dc_.AbortDoc();
      plat::MessageBox("Printing failed: " + error, " ", plat::MB_OK | plat::MB_ICONERROR);
      return false;
    }
    if (dc_.EndDoc() <= 0) {
      ShowPrintFailure(dc_);
      return false;
    }
    return true;
  }

 private:
  bool Check(int result) {
    if (result <= 0) failed_ = true;
    return result > 0;
  }

  plat::PrinterDc& dc_;
  plat::SelectedFont font_;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace

std::string TextOutputPath(const ShellState& state, int number) {
  const std::string plain = state.position_folder + "D" + std::to_string(number);
  if (plat::FileExists(plain)) return plain;
  if (plat::FileExists(plain + ".TXT")) return plain + ".TXT";
  return {};
}

std::string PageFootText(int style, int page, int sheet) {
  const std::string p = std::to_string(page);
  const std::string s = std::to_string(sheet);
  switch (style) {
    case 1: return "Sheet " + s;
    case 2: return "Sheet " + s + "  Page " + p;
    case 3: return "Sheet " + s + "  Page";
    case 4: return "Page " + p + "  Sheet";
    default: return "Page " + p;
  }
}

bool PrintTextFile(const ShellState& state, const std::string& path) {
  std::unique_ptr<plat::PrinterDc> dc = ChoosePrinter();
  if (!dc) return false;
  const common::PrinterSettings settings =
      common::ReadPrinterSettingsFile(state.SettingsPath(common::kPrinterSettingsFile));
  const std::vector<std::string> lines = FileLines(path);
  ListingJob job(*dc, settings);
  const plat::Rect area = ListingArea(settings, *dc);
  for (std::size_t next = 0; job.ok() && next < lines.size();) {
    if (!job.StartPage()) break;
    const std::size_t count = LinesThatFit(*dc, lines, next, area);
    DrawLines(*dc, lines, next, count, area);
    next += count;
    job.EndPage();
  }
  return job.Finish();
}

bool PrintTextFiles(const ShellState& state, const std::vector<int>& outputs) {
  if (state.position_folder.empty() || outputs.empty()) return false;
  std::unique_ptr<plat::PrinterDc> dc = ChoosePrinter();
  if (!dc) return false;
  const int heading_count = common::ReadHeadingCountFile(state.SettingsPath(common::kHeadingCountFile));
  std::vector<std::string> headings;
  if (heading_count >= 1) headings.push_back(common::ReadHeadingFile(state.SettingsPath(common::kFirstHeadingFile)));
  if (heading_count >= 2) headings.push_back(common::ReadHeadingFile(state.SettingsPath(common::kSecondHeadingFile)));
  const common::PrinterSettings settings =
      common::ReadPrinterSettingsFile(state.SettingsPath(common::kPrinterSettingsFile));
  const std::string numbering_path = state.position_folder + common::kPageNumberingFile;
  common::PageNumbering numbering = common::ReadPageNumberingFile(numbering_path);
  const std::string date = numbering.print_date == 1 ? plat::LocalDateText() : std::string();

  ListingJob job(*dc, settings);
  const plat::Rect area = ListingArea(settings, *dc);
  const int line_height = TextHeight(*dc, " ", area);
  // The foot line sits one margin above the page's end, a blank line above it.
  const int foot_top = area.bottom - (area.top > line_height ? area.top : line_height);
  int page = numbering.page;
  bool complete = true;
  for (int number : outputs) {
    if (!job.ok()) break;
    const std::string path = TextOutputPath(state, number);
    if (path.empty()) {
      ShowFileMissing(state.position_folder + "D" + std::to_string(number));
      complete = false;
      break;
    }
    const std::vector<std::string> lines = FileLines(path);
    std::size_t next = 0;
    do {
      if (!job.StartPage()) break;
      plat::Rect head = area;
      for (const std::string& heading : headings) {
        plat::Rect rect = head;
        head.top += dc->DrawText(heading.empty() ? std::string(" ") : heading, rect, kTextFormat | plat::DT_NOCLIP);
      }
      if (!headings.empty()) head.top += line_height;  // a blank line
      head.bottom = foot_top - line_height;
      if (next < lines.size()) {
        const std::size_t count = LinesThatFit(*dc, lines, next, head);
        DrawLines(*dc, lines, next, count, head);
        next += count;
      }
      std::string foot = PageFootText(numbering.style, page, numbering.sheet);
      if (!date.empty()) foot += "     " + date;
      plat::Rect foot_rect{area.left, foot_top, area.right, area.bottom};
      dc->DrawText(foot, foot_rect, kTextFormat | plat::DT_NOCLIP);
      ++page;
      job.EndPage();
    } while (job.ok() && next < lines.size());
  }
  const bool printed = job.Finish();
  if (!printed || !complete) return false;
  numbering.page = static_cast<std::int16_t>(page);
  numbering.sheet = static_cast<std::int16_t>(numbering.sheet + 1);
  if (!common::WritePageNumberingFile(numbering_path, numbering)) {
    ShowCannotWrite(numbering_path);
    return false;
  }
  return true;
}

bool PrintTextFilesToFile(const ShellState& state, const std::string& name, const std::vector<int>& outputs) {
  if (state.position_folder.empty()) return false;
  const std::string target = state.position_folder + name;
  plat::TextWriter out(target);
  if (out.is_open()) {
    for (int number : outputs) {
      const std::string path = TextOutputPath(state, number);
      if (path.empty()) continue;
      for (const std::string& line : FileLines(path)) {
        out.Write(line);
        out.Write("\n");
      }
    }
    if (out.Close()) return true;
  }
  ShowCannotWrite(target);
  return false;
}

}  // namespace quentaris
