#include "platform/frames/doc_template.h"

#include <algorithm>

#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"

namespace plat {

namespace {

std::string FileTitle(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Owns(const std::vector<std::unique_ptr<Document>>& documents, const Document* doc) {
  return std::any_of(documents.begin(), documents.end(), [doc](const auto& d) { return d.get() == doc; });
}

}  // namespace

DocTemplate::DocTemplate(FrameResources resources, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : resources_(std::move(resources)),
      make_document_(std::move(document)),
      make_frame_(std::move(frame)),
      make_view_(std::move(view)) {}

DocTemplate::~DocTemplate() {
  // Documents that outlive their windows go with the template.
  for (auto& d : documents_) d->template_ = nullptr;
}

Document* DocTemplate::NewDocument() {
  std::unique_ptr<Document> doc = make_document_ ? make_document_() : std::make_unique<Document>();
  if (!doc) return nullptr;
  doc->template_ = this;
  documents_.push_back(std::move(doc));
  return documents_.back().get();
}

void DocTemplate::RemoveDocument(Document* document) {
  auto it = std::find_if(documents_.begin(), documents_.end(), [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return;
  std::unique_ptr<Document> gone = std::move(*it);
  documents_.erase(it);
}

std::string DocTemplate::NewTitle() {
  ++untitled_count_;
  const std::string base = resources_.title.empty() ? "Untitled" : resources_.title;
  return base + std::to_string(untitled_count_);
}

FrameWnd* DocTemplate::CreateNewFrame(Document* document, FrameWnd*) {
  FrameWnd* frame = make_frame_ ? make_frame_() : new FrameWnd;
  if (!frame) return nullptr;
  CreateContext context;
  context.document = document;
  context.doc_template = this;
  context.new_view = make_view_;
  frame->auto_delete = false;
  if (!frame->LoadFrame(resources_, FrameStyle(), FrameParent(), &context)) {
    delete frame;
    return nullptr;
  }
  frame->auto_delete = true;  // from now on it goes with its window
  return frame;
}

void DocTemplate::InitialUpdateFrame(FrameWnd* frame, Document* document, bool make_visible) {
  if (frame) frame->InitialUpdateFrame(document, make_visible);
}

std::vector<Document*> DocTemplate::GetDocuments() const {
  std::vector<Document*> all;
  for (const auto& d : documents_) all.push_back(d.get());
  return all;
}

void DocTemplate::CloseAllDocuments() {
  for (Document* d : GetDocuments()) {
    if (Owns(documents_, d)) d->OnCloseDocument();
  }
}

Document* SingleDocTemplate::OpenDocumentFile(const std::string& path, bool make_visible) {
  Document* doc = documents_.empty() ? nullptr : documents_.front().get();
  FrameWnd* frame = nullptr;
  const bool created = doc == nullptr;
  if (created) {
    doc = NewDocument();
    if (!doc) return nullptr;
    frame = CreateNewFrame(doc, nullptr);
    if (!frame) {
      RemoveDocument(doc);
      return nullptr;
    }
    if (WinApp* app = WinApp::Get(); app && !app->GetMainWnd()) app->SetMainWnd(frame);
  } else if (!doc->GetViews().empty()) {
    frame = doc->GetViews().front()->GetParentFrame();
  }
  const bool opened = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
  if (!opened) {
    if (created) {
      const HWND h = frame->GetSafeHwnd();
      if (Window* w = Window::FromHandle(h)) w->DestroyWindow();
      if (Owns(documents_, doc)) RemoveDocument(doc);
    }
    return nullptr;
  }
  doc->SetPathName(path);
  if (!path.empty()) doc->SetTitle(FileTitle(path));
  InitialUpdateFrame(frame, doc, make_visible);
  return doc;
}

Document* MultiDocTemplate::OpenDocumentFile(const std::string& path, bool make_visible) {
  if (!FrameParent()) return nullptr;  // a multiple-document frame must be the main window
  Document* doc = NewDocument();
  if (!doc) return nullptr;
  doc->SetTitle(path.empty() ? NewTitle() : FileTitle(path));
  FrameWnd* frame = CreateNewFrame(doc, nullptr);
  if (!frame) {
    RemoveDocument(doc);
    return nullptr;
  }
  const bool opened = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
  if (!opened) {
    if (Window* w = Window::FromHandle(frame->GetSafeHwnd())) w->DestroyWindow();
    if (Owns(documents_, doc)) RemoveDocument(doc);
    return nullptr;
  }
  doc->SetPathName(path);
  InitialUpdateFrame(frame, doc, make_visible);
  return doc;
}

Window* MultiDocTemplate::FrameParent() {
  WinApp* app = WinApp::Get();
  return app ? dynamic_cast<MDIFrameWnd*>(app->GetMainWnd()) : nullptr;
}

DWORD MultiDocTemplate::FrameStyle() { return WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE; }

}  // namespace plat
