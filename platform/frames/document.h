#pragma once
// The document of a document template (MFC's CDocument): what a set of views
// shows. The programs of the suite keep their data in their own state
// objects, so their documents are mostly empty; a document still has a
// title, knows its views, takes part in the routing of commands (after its
// active view) and goes when its last view goes.
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/command_target.h"

namespace plat {

class DocTemplate;
class View;

class Document : public CommandTarget {
 public:
  Document();
  ~Document() override;

  // A new, empty document (File New); false fails the opening.
  virtual bool OnNewDocument();
  // A document opened from a file; false fails the opening.
  virtual bool OnOpenDocument(const std::string& path);
  // The last view goes (or the frame closes): the document is deleted by its template.
  virtual void OnCloseDocument();

  const std::string& GetTitle() const { return title_; }
  // Sets the title and the captions of the frames that show it.
  virtual void SetTitle(std::string_view title);
  const std::string& GetPathName() const { return path_; }
  void SetPathName(std::string_view path) { path_ = std::string(path); }
  DocTemplate* GetDocTemplate() const { return template_; }

  const std::vector<View*>& GetViews() const { return views_; }
  // Calls OnUpdate of every view but `sender`.
  void UpdateAllViews(View* sender, LPARAM hint = 0);
  // Deleted by its template when its last view goes (MFC's m_bAutoDelete).
  bool auto_delete = true;

 private:
  friend class DocTemplate;
  friend class View;
  void AddView(View* view);
  // Removes a view; when it was the last, the document closes.
  void RemoveView(View* view);

  std::string title_;
  std::string path_;
  DocTemplate* template_ = nullptr;
  std::vector<View*> views_;
  bool closing_ = false;
};

}  // namespace plat
