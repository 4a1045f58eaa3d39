#include "platform/frames/document.h"

#include <algorithm>

#include "platform/frames/doc_template.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/view.h"

namespace plat {

Document::Document() = default;
Document::~Document() {
  for (View* v : views_) v->document_ = nullptr;
}

bool Document::OnNewDocument() { return true; }

bool Document::OnOpenDocument(const std::string&) { return true; }

void Document::OnCloseDocument() {
  closing_ = true;
  std::vector<HWND> frames;
  for (View* v : views_) {
    if (FrameWnd* f = v->GetParentFrame()) {
      if (std::find(frames.begin(), frames.end(), f->GetSafeHwnd()) == frames.end()) frames.push_back(f->GetSafeHwnd());
    }
  }
  for (HWND h : frames) {
    if (Window* w = Window::FromHandle(h)) w->DestroyWindow();
  }
  closing_ = false;
  if (auto_delete && template_) template_->RemoveDocument(this);  // deletes this
}

void Document::SetTitle(std::string_view title) {
  title_ = std::string(title);
  for (View* v : views_) {
    if (FrameWnd* f = v->GetParentFrame()) f->OnUpdateFrameTitle(true);
  }
}

void Document::UpdateAllViews(View* sender, LPARAM hint) {
  const std::vector<View*> views = views_;
  for (View* v : views) {
    if (v != sender && std::find(views_.begin(), views_.end(), v) != views_.end()) v->OnUpdate(sender, hint);
  }
}

void Document::AddView(View* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void Document::RemoveView(View* view) {
  std::erase(views_, view);
  if (views_.empty() && !closing_) OnCloseDocument();
}

}  // namespace plat
