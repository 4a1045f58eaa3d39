#pragma once
// Document templates (MFC's CSingleDocTemplate and CMultiDocTemplate): what
// makes a document with its frame and view. A template holds the frame's
// resources (title, menu, accelerators) and three factories; it owns its
// documents.
//
//   auto templ = std::make_unique<plat::SingleDocTemplate>(
//       plat::FrameResources{128, "Dimensions", MainMenu(), {}},
//       [] { return std::make_unique<GeometryDoc>(); },
//       [] { return new MainFrame; },         // deleted when its window goes
//       [] { return new GeometryView; });     // likewise
//   app.AddDocTemplate(std::move(templ));
//   app.OnFileNew();
//
// A single-document template keeps one document in the application's main
// frame; a multiple-document template opens each document in a child frame
// of the main frame (an MDIFrameWnd), whose menu bar then shows the
// template's menu.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/frames/frame_wnd.h"

namespace plat {

class Document;
class View;

class DocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<Document>()>;
  using FrameFactory = std::function<FrameWnd*()>;
  using ViewFactory = std::function<View*()>;

  DocTemplate(FrameResources resources, DocumentFactory document, FrameFactory frame, ViewFactory view);
  virtual ~DocTemplate();
  DocTemplate(const DocTemplate&) = delete;
  DocTemplate& operator=(const DocTemplate&) = delete;

  const FrameResources& GetResources() const { return resources_; }
  // The template's menu and accelerators (those of the frames it makes).
  const Menu& GetMenu() const { return resources_.menu; }

  // A new document (path empty) or one opened from a file, with its frame
  // and view, shown when `make_visible`; nullptr when anything fails.
  virtual Document* OpenDocumentFile(const std::string& path, bool make_visible = true) = 0;
  // A new frame (with its view) for a document; `other` is a frame to copy
  // from (unused). nullptr when it cannot be made.
  virtual FrameWnd* CreateNewFrame(Document* document, FrameWnd* other);
  // The views' initial update and, with `make_visible`, the frame shown.
  virtual void InitialUpdateFrame(FrameWnd* frame, Document* document, bool make_visible = true);

  std::vector<Document*> GetDocuments() const;
  // Closes the frames of all documents (which deletes the documents).
  void CloseAllDocuments();

 protected:
  Document* NewDocument();
  // The document goes (its last view went); the template deletes it.
  void RemoveDocument(Document* document);
  // The title of the n-th new document ("Graph1", ...).
  std::string NewTitle();
  // The frame the new frames lie in (the main frame of a multiple-document
  // program); nullptr for top-level frames.
  virtual Window* FrameParent() { return nullptr; }
  virtual DWORD FrameStyle() { return WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE; }

  FrameResources resources_;
  DocumentFactory make_document_;
  FrameFactory make_frame_;
  ViewFactory make_view_;
  std::vector<std::unique_ptr<Document>> documents_;
  int untitled_count_ = 0;

 private:
  friend class Document;
};

// One document at a time in the application's main frame.
class SingleDocTemplate : public DocTemplate {
 public:
  using DocTemplate::DocTemplate;
  // Without a document yet: the document, the main frame and its view. With
  // one: the document is started anew (OnNewDocument / OnOpenDocument) in
  // the same frame.
  Document* OpenDocumentFile(const std::string& path, bool make_visible = true) override;
};

// Each document in a child frame of the main frame (an MDIFrameWnd).
class MultiDocTemplate : public DocTemplate {
 public:
  using DocTemplate::DocTemplate;
  Document* OpenDocumentFile(const std::string& path, bool make_visible = true) override;

 protected:
  Window* FrameParent() override;
  DWORD FrameStyle() override;
};

}  // namespace plat
