#pragma once
// A view (MFC's CView): the child window of a frame that shows a document and
// takes the commands first. Draw in OnDraw, which serves the screen and the
// printer alike; the printing of a view is PrintClient's flow (OnFilePrint,
// OnFilePrintDirect, OnFilePrintPreview) with OnPrint drawing a page through
// OnDraw unless a view draws its pages itself.
//
//   class PictureView : public plat::View {
//    public:
//     PictureView() {
//       MapCommand(plat::ID_FILE_PRINT, [this] { OnFilePrint(); });
//     }
//    protected:
//     void OnDraw(plat::Dc& dc) override { dc.TextOut(10, 10, "frame"); }
//   };
//
// Commands reach a view first (then its document, then its frame, then the
// application); a WM_COMMAND sent to the view itself is routed the same way.
// A mouse button pressed in a view makes it the active view of its frame.
#include "platform/frames/command_target.h"
#include "platform/print/print_client.h"
#include "platform/window/window.h"

namespace plat {

class Document;
class FrameWnd;

class View : public Window, public CommandTarget, public PrintClient {
 public:
  View();
  ~View() override;

  // Makes the view as a child of `parent` (a frame) with the id.
  bool CreateView(Window* parent, UINT id, Document* document);

  Document* GetDocument() const { return document_; }
  // The frame the view lies in (the innermost one), or nullptr.
  FrameWnd* GetParentFrame() const;

  // After the document is ready, before the frame is first shown: calls OnUpdate.
  virtual void OnInitialUpdate();
  // The document changed (UpdateAllViews): by default the view is repainted.
  virtual void OnUpdate(View* sender, LPARAM hint);
  // The view becomes the frame's active view (or stops being it).
  virtual void OnActivateView(bool activate, View* activated, View* deactivated);

  // View, then document; a view that is a frame's active view asks nothing
  // more (the frame goes on).
  bool OnCmdMsg(UINT id, int code, CmdUI* ui) override;

  // Deleted when its window goes (views made by a document template).
  bool auto_delete = false;

 protected:
  // Draws the document: on the screen (the paint's Dc) and on printer pages.
  virtual void OnDraw(Dc& dc);

  void OnPaint(Dc& dc) override;
  void OnDestroy() override;
  void PostNcDestroy() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;

  // A page through OnDraw.
  void OnPrint(PrinterDc& dc, PrintInfo& info) override;

 private:
  friend class Document;
  Document* document_ = nullptr;
};

}  // namespace plat
