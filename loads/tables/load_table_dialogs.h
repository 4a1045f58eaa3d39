#pragma once
// The line-load table (CDiaLin3) and the point-load table (CDiaPunkt3) of the
// load case being edited: OK takes the rows into the session's load case
// (memory only) and marks its loads changed.
#include "loads/editor/editor_session.h"
#include "loads/tables/table_dialog.h"

namespace pundf::tables {

class CDiaLin3 : public TableDialog {
 public:
  CDiaLin3(EditorSession& session, TableState& state, plat::Window* owner);

 protected:
  void AddHelp(plat::DialogLayout& layout) override;
  void SetColumnKinds(TableState& state) override;
  CellTexts OpeningCells() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;
  bool OpensEmpty() override;

 private:
  EditorSession& session_;
};

class CDiaPunkt3 : public TableDialog {
 public:
  CDiaPunkt3(EditorSession& session, TableState& state, plat::Window* owner);

 protected:
  void AddHelp(plat::DialogLayout& layout) override;
  void SetColumnKinds(TableState& state) override;
  CellTexts OpeningCells() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;
  bool OpensEmpty() override;

 private:
  EditorSession& session_;
};

// The settlements of the load case's supports.
class CDiaYield3 : public TableDialog {
 public:
  CDiaYield3(EditorSession& session, TableState& state, plat::Window* owner);

 protected:
  void AddHelp(plat::DialogLayout& layout) override;
  void SetColumnKinds(TableState& state) override;
  CellTexts OpeningCells() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;
  bool OpensEmpty() override { return false; }

 private:
  EditorSession& session_;
};

// The prestressing forces of the load case's elements.
class CDiaPrestress : public TableDialog {
 public:
  CDiaPrestress(EditorSession& session, TableState& state, plat::Window* owner);

 protected:
  void AddHelp(plat::DialogLayout& layout) override;
  void SetColumnKinds(TableState& state) override;
  CellTexts OpeningCells() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;
  bool OpensEmpty() override { return true; }

 private:
  EditorSession& session_;
};

// The setup of a table dialog on the session's position.
TableDialog::Setup TableSetup(const EditorSession& session, plat::UINT template_id, std::string caption, int cols,
                              int mode, std::string text_name);

}  // namespace pundf::tables
