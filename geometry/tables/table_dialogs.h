#pragma once
// The four tables of the Input panel: elements, nodes and supports, cross
// sections, materials.
#include "geometry/tables/table_dialog.h"

namespace kelmf {

namespace table_ids {
inline constexpr plat::UINT kRearrange = 1008;
inline constexpr plat::UINT kTargetValue = 1005;
inline constexpr plat::UINT kFactor = 1006;
inline constexpr plat::UINT kBaseStiffness = 1007;
}  // namespace table_ids

// "Frame elements": 100 rows of xa, ya, xb, yb, material, section, C, T and
// the two hinges; "Rearrange" turns every element to run left to right.
class CDiaElemente : public CTableDialog {
 public:
  CDiaElemente(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);
  // The ends of each element that runs to the left exchanged in the grid,
  // then the table stored.
  bool Rearrange();

 protected:
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
  void AddButtons(plat::DialogLayout& layout) override;
  bool EditsOnOpen() const override { return true; }
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
};

// "Nodes": x, y and the three support factors of every node (201 rows: the
// node limit), the base stiffness and the factor for a target stiffness.
class CDiaKnoten : public CTableDialog {
 public:
  CDiaKnoten(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);
  // The factor k for the target value typed, "%.5lf"; false (nothing
  // written, a message) while the base stiffness is 0.
  bool ComputeFactor();

 protected:
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
  void AddButtons(plat::DialogLayout& layout) override;
  // Return in "target value" computes the factor; anywhere else it does nothing.
  void OnOK() override;
  void OnGridReturn() override;
};

// "Cross sections": width, height, area, I of up to 50 sections.
class CDiaQuer : public CTableDialog {
 public:
  CDiaQuer(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);

 protected:
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
};

// "Material": number (or concrete class) and E of up to 20 materials.
class CDiaMaterial : public CTableDialog {
 public:
  CDiaMaterial(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);

 protected:
  bool EditsOnOpen() const override { return model_.params.editor_state() == 0; }
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
};

}  // namespace kelmf

namespace kelmf {

// "Continuous beam": the x of every span end; OK generates the beam.
class CDiaDLT : public CTableDialog {
 public:
  CDiaDLT(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);

 protected:
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
};

// "Frame": height, number of piers and spacing of every storey; OK stores
// the checked table, the Input panel generates the frame.
class CDiaRahmen : public CTableDialog {
 public:
  CDiaRahmen(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner = nullptr);

 protected:
  void Fill() override;
  common::Result Store(const TableCells& cells) override;
};

}  // namespace kelmf
