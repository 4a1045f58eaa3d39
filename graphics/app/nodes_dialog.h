#pragma once
// CDiaKnotenR (320, "Nodes"): the nodes of the current modification step
// with their coordinates and support factors in the viewer's grid (1015),
// and the base stiffness (1009). It only shows them: supports are changed in
// the picture (C key, then a click on the support).
#include "graphics/app/nodes_table.h"
#include "graphics/app/viewer_grid.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

inline constexpr plat::UINT kNodesDialogTemplate = 320;
inline constexpr plat::UINT kBaseStiffnessEdit = 1009;
inline constexpr plat::UINT kNodesGrid = 1015;

class CDiaKnotenR : public plat::Dialog {
 public:
  CDiaKnotenR(NodesShown shown, plat::Window* owner);

  ViewerGrid& grid() { return grid_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  // Enter in the grid acts there (as the grid's Enter); elsewhere OK closes.
  void OnOK() override;

 private:
  NodesShown shown_;
  ViewerGrid grid_;
};

// 32984: reads the nodes of the session's current step, tells of each damaged
// file and shows the dialog.
struct ViewerSession;
void ShowNodesDialog(const ViewerSession& session, plat::Window* owner);

}  // namespace revuzavi
