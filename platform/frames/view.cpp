#include "platform/frames/view.h"

#include "platform/frames/document.h"
#include "platform/frames/frame_wnd.h"

namespace plat {

View::View() = default;

View::~View() {
  DestroyWindow();
  if (document_) {
    Document* d = document_;
    document_ = nullptr;
    d->RemoveView(this);
  }
}

bool View::CreateView(Window* parent, UINT id, Document* document) {
  document_ = document;
  if (!Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 100, 100}, parent, id)) {
    document_ = nullptr;
    return false;
  }
  if (document_) document_->AddView(this);
  return true;
}

FrameWnd* View::GetParentFrame() const {
  for (Window* w = GetParent(); w; w = (w->GetStyle() & WS_CHILD) ? w->GetParent() : nullptr) {
    if (auto* f = dynamic_cast<FrameWnd*>(w)) return f;
    if (!(w->GetStyle() & WS_CHILD)) break;
  }
  return nullptr;
}

void View::OnInitialUpdate() { OnUpdate(nullptr, 0); }

void View::OnUpdate(View*, LPARAM) { Invalidate(); }

void View::OnActivateView(bool activate, View* activated, View*) {
  if (!activate || activated != this || !GetSafeHwnd()) return;
  Window* focus = GetFocus();
  if (focus != this && !IsChild(focus)) SetFocus();
}

bool View::OnCmdMsg(UINT id, int code, CmdUI* ui) {
  if (DispatchOwnMap(id, code, ui)) return true;
  return document_ && document_->OnCmdMsg(id, code, ui);
}

void View::OnDraw(Dc&) {}

void View::OnPaint(Dc& dc) { OnDraw(dc); }

void View::OnDestroy() {
  if (FrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this) frame->SetActiveView(nullptr, false);
  if (document_) {
    Document* d = document_;
    document_ = nullptr;
    d->RemoveView(this);  // the last view of a document closes it
  }
  Window::OnDestroy();
}

void View::PostNcDestroy() {
  if (auto_delete) delete this;
}

bool View::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam != 0 && HIWORD(wParam) != BN_CLICKED) return false;  // notifications of the view's controls
  if (OnCmdMsg(id, CN_COMMAND, nullptr)) return true;
  FrameWnd* frame = GetParentFrame();
  if (!frame) return false;
  frame->SendMessage(WM_COMMAND, wParam, lParam);
  return true;
}

void View::OnPrint(PrinterDc& dc, PrintInfo&) { OnDraw(dc); }

}  // namespace plat
