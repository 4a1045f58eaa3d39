#pragma once
// The document of the geometry editor: it holds no data of its own and hands
// the editor's session to the view and the frame.
#include "geometry/editor/editor_session.h"
#include "platform/frames/document.h"

namespace kelmf {

class CKELMWDoc : public plat::Document {
 public:
  explicit CKELMWDoc(EditorSession& session) : session_(session) {}
  EditorSession& session() { return session_; }

 private:
  EditorSession& session_;
};

}  // namespace kelmf
