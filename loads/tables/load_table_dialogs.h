#pragma once
// The load case's tables: line loads (CDiaLin3), point loads (CDiaPunkt3),
// settlements (CDiaYield3) and prestress (CDiaPrestress). OK takes the rows
// into the session's load case (memory only) and marks its loads changed.
#include <vector>

#include "loads/editor/editor_session.h"
#include "loads/tables/table_dialog.h"

namespace pundf::tables {

// What one table shows and takes.
struct TableRules {
  // Kinds of columns 1.. (after every data column got kind 1); empty: all 1.
  std::vector<int> kinds;
  void (*add_help)(plat::DialogLayout& layout);
  CellTexts (*opening)(const LoadCase& load_case, int rows);
  std::optional<Refusal> (*take)(const CellTexts& cells, LoadModel& model);
  // Whether editing starts at once.
  bool (*opens_empty)(const LoadCase& load_case);
};

class LoadTableDialog : public TableDialog {
 public:
  LoadTableDialog(EditorSession& session, TableState& state, plat::Window* owner, Setup setup, TableRules rules);

 protected:
  void AddHelp(plat::DialogLayout& layout) override;
  void SetColumnKinds(TableState& state) override;
  CellTexts OpeningCells() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;
  bool OpensEmpty() override;

 private:
  EditorSession& session_;
  TableRules rules_;
};

class CDiaLin3 : public LoadTableDialog {
 public:
  CDiaLin3(EditorSession& session, TableState& state, plat::Window* owner);
};

class CDiaPunkt3 : public LoadTableDialog {
 public:
  CDiaPunkt3(EditorSession& session, TableState& state, plat::Window* owner);
};

class CDiaYield3 : public LoadTableDialog {
 public:
  CDiaYield3(EditorSession& session, TableState& state, plat::Window* owner);
};

class CDiaPrestress : public LoadTableDialog {
 public:
  CDiaPrestress(EditorSession& session, TableState& state, plat::Window* owner);
};

// The element temperatures "Temperature": the coefficient alpha_T above the
// grid, read into the load case before the rows.
class CDiaTemp3 : public LoadTableDialog {
 public:
  static constexpr plat::UINT kAlphaEdit = 1000;
  CDiaTemp3(EditorSession& session, TableState& state, plat::Window* owner);

 protected:
  bool OnInitDialog() override;
  std::optional<Refusal> TakeRows(const CellTexts& cells) override;

 private:
  EditorSession& session_;
};

}  // namespace pundf::tables
