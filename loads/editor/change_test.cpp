#include "loads/editor/change_test.h"

#include <algorithm>

namespace pundf {

bool LoadCaseChanged(const EditorSession& session) {
  const auto& now = session.model.load_case.params.bytes();
  const auto& saved = session.model.editor.saved.bytes();
  return session.tables_changed || !std::equal(now.begin() + 1, now.end(), saved.begin() + 1);
}

void TakeSavedCopy(EditorSession& session) {
  session.model.editor.saved = session.model.load_case.params;
  session.tables_changed = false;
}

void LoadsChanged(EditorSession& session) {
  picture::ClearPickMarks(session.model.editor.labels);
  session.tables_changed = true;
}

}  // namespace pundf
