#pragma once
// The document of the load editor: it holds no data of its own and hands the
// editor's session to the view and the frame.
#include "loads/editor/editor_session.h"
#include "platform/frames/document.h"

namespace pundf {

class CPUNDWDoc : public plat::Document {
 public:
  explicit CPUNDWDoc(EditorSession& session) : session_(session) {}
  EditorSession& session() { return session_; }

 private:
  EditorSession& session_;
};

}  // namespace pundf
