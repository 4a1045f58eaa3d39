#pragma once
// A print client for tests: one text per page, an orientation per page, and a
// log of the framework's calls. It keeps a counter of printed pages as a
// program keeps its page number, advanced only by real prints.
#include <string>
#include <vector>

#include "platform/print/print_client.h"

namespace plat::testing {

class PagesClient : public PrintClient {
 public:
  std::vector<std::string> texts;
  std::vector<int> orientations;  // per page; empty: the printer's
  bool prepare_answer = true;     // OnPreparePrinting goes on
  int printed_pages = 0;
  std::vector<std::string> calls;
  std::vector<DeviceCaps> page_caps;
  std::vector<Rect> draw_rects;

 protected:
  bool OnPreparePrinting(PrintInfo& info) override {
    calls.push_back("prepare");
    info.SetMaxPage(static_cast<int>(texts.size()));
    info.document_name = "Pages";
    return prepare_answer && DoPreparePrinting(info);
  }
  void OnBeginPrinting(PrinterDc&, PrintInfo& info) override {
    calls.push_back(Tagged("begin", info));
  }
  void OnPrepareDC(PrinterDc& dc, PrintInfo& info) override {
    const std::size_t index = static_cast<std::size_t>(info.current_page - 1);
    if (index < orientations.size()) dc.SetOrientation(orientations[index]);
    PrintClient::OnPrepareDC(dc, info);
  }
  void OnPrint(PrinterDc& dc, PrintInfo& info) override {
    calls.push_back(Tagged("print " + std::to_string(info.current_page), info));
    page_caps.push_back(dc.caps());
    draw_rects.push_back(info.draw_rect);
    Font font;
    font.height = -150;
    dc.SelectFont(font);
    dc.Rectangle(100, 100, 1100, 600);
    // Near the right edge: on a landscape page beyond a portrait page's width.
    dc.SetTextAlign(TA_RIGHT | TA_TOP);
    dc.TextOut(dc.GetDeviceCaps(HORZRES) - 300, 800, texts[static_cast<std::size_t>(info.current_page - 1)]);
    if (!info.preview) ++printed_pages;
  }
  void OnEndPrinting(PrinterDc&, PrintInfo& info) override { calls.push_back(Tagged("end", info)); }

 private:
  static std::string Tagged(const std::string& call, const PrintInfo& info) {
    return info.preview ? call + " (preview)" : call;
  }
};

}  // namespace plat::testing
