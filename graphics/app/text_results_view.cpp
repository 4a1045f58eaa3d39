#include "graphics/app/text_results_view.h"

#include "common/position/output_list.h"
#include "graphics/app/files_dialog.h"
#include "graphics/app/graph_ids.h"
#include "platform/files.h"
#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

// The share of the main frame's client area the text window covers, from its top left corner.
constexpr double kWindowShare = 0.9333;

}  // namespace

CD1View::CD1View(ViewerSession& session) : session_(session) {
  MapCommand(ids::kTextViewDimensions, [] {});
  MapCommand(ids::kTextLoadCases, [this] { OnLoadCases(); });
  MapCommand(ids::kTextViewResults, [this] { OnResults(); });
}

int CD1View::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::TextView::OnCreate(create) == -1) return -1;
  auto* frame = dynamic_cast<plat::MDIChildWnd*>(GetParentFrame());
  plat::MDIFrameWnd* main = frame ? frame->GetMDIFrame() : nullptr;
  if (main && main->GetClient()) {
    plat::Rect client;
    main->GetClient()->GetClientRect(&client);
    frame->MoveWindow(0, 0, static_cast<int>(client.Width() * kWindowShare),
                      static_cast<int>(client.Height() * kWindowShare));
  }
  session_.text_marks.open = true;
  return 0;
}

void CD1View::OnInitialUpdate() {
  plat::TextView::OnInitialUpdate();
  SelectAll();
  SetCharFormat(plat::CharFormat{"Courier New", 200, false, false, false});
  const TextWindowMarks& marks = session_.text_marks;
  if (marks.geometry) {
    LoadTextFile("D1");
  } else if (marks.loads) {
    LoadTextFile("D2");
  } else if (marks.results) {
    const ViewerState& state = session_.state;
    if (const auto listing = common::FindLoadCaseListing(state.position, state.current_load_case)) {
      LoadTextFile(*listing);
    }
  }
}

bool CD1View::LoadTextFile(const std::string& name) {
  const common::Position& position = session_.state.position;
  std::string path = position.FolderFile(name);
  if (!plat::FileExists(path)) path = plat::FindCaseInsensitive(position.folder(), name + ".TXT");
  if (!plat::FileExists(path) || !LoadFile(path).ok()) {
    plat::MessageBox("The file " + path + " is missing.", "Error", plat::MB_OK);
    CloseWindow();
    return false;
  }
  listing_ = name;
  if (plat::Document* document = GetDocument()) document->SetTitle(name);
  if (plat::FrameWnd* frame = GetParentFrame()) {
    frame->SetTitle(name);
    frame->SetWindowText(name);
  }
  return true;
}

void CD1View::OnResults() {
  CDiaDateien dialog(session_.state.position, this);
  if (dialog.DoModal() != plat::IDOK) {
    chosen_from_list_ = false;
    return;
  }
  chosen_from_list_ = LoadTextFile(dialog.chosen());
}

void CD1View::OnLoadCases() {
  LoadTextFile("D2");
  chosen_from_list_ = false;
}

void CD1View::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  if (vk != plat::VK_ESCAPE) {
    plat::TextView::OnKeyDown(vk, repeat, flags);
    return;
  }
  if (chosen_from_list_) {
    OnResults();
  } else {
    CloseWindow();
  }
}

void CD1View::OnXButtonDown(plat::UINT, plat::UINT, plat::Point) {
  session_.text_marks.geometry = false;
  session_.text_marks.loads = false;
  CloseWindow();
}

void CD1View::CloseWindow() {
  if (plat::FrameWnd* frame = GetParentFrame()) frame->PostMessage(plat::WM_CLOSE);
}

void CD1View::OnDestroy() {
  session_.text_marks.open = false;
  session_.narrow_next_frame = false;
  plat::TextView::OnDestroy();
}

}  // namespace revuzavi
