#pragma once
// The small dialogs of the view: the element under a click (CDiaModElm), the
// confirmation of a delete (CDiaVerify), the grid (CDiaGitter) and the name
// of a position to store (CDiaSaveAs). The caller fills the members, shows
// the dialog and reads them after OK.
#include <string>

#include "platform/dialogs/dialog.h"

namespace kelmf {

namespace dlg {
inline constexpr plat::UINT kModElm = 325;
inline constexpr plat::UINT kVerify = 327;
inline constexpr plat::UINT kGitter = 285;
inline constexpr plat::UINT kSaveAs = 175;

inline constexpr plat::UINT kElement = 1000;
inline constexpr plat::UINT kMaterial = 1005;
inline constexpr plat::UINT kCrossSection = 1006;
inline constexpr plat::UINT kEi = 1007;
inline constexpr plat::UINT kEa = 1019;
inline constexpr plat::UINT kCompression = 1022;
inline constexpr plat::UINT kTension = 1051;
inline constexpr plat::UINT kHingeL = 1052;
inline constexpr plat::UINT kHingeR = 1053;
inline constexpr plat::UINT kDelete = 1008;

inline constexpr plat::UINT kDoNotAskAgain = 1022;

inline constexpr plat::UINT kMeshWidth = 1000;
inline constexpr plat::UINT kSnapRadius = 1005;
inline constexpr plat::UINT kDefault = 1008;

inline constexpr plat::UINT kPosition = 1000;
}  // namespace dlg

// "Element": material and cross section must name rows that exist (a row
// beyond the tables is refused with its message and the dialog stays); EI
// and EA are shown, not edited. "Delete" ends with OK and delete_requested.
class CDiaModElm : public plat::Dialog {
 public:
  CDiaModElm(int material_rows, int section_rows, plat::Window* owner = nullptr);

  std::string element;
  int material = 1;
  int cross_section = 1;
  std::string ei;
  std::string ea;
  int compression = 0;
  int tension = 0;
  int hinge_l = 0;
  int hinge_r = 0;
  bool delete_requested = false;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  int material_rows_;
  int section_rows_;
};

// "Delete" (OK) or "Stop", and "Do not ask again".
class CDiaVerify : public plat::Dialog {
 public:
  explicit CDiaVerify(plat::Window* owner = nullptr);
  int do_not_ask_again = 0;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
};

// "Meshwidth of the Grid": a mesh width above 0 and a snap radius of 0 or
// more; "Default" shows 2.00 and 0.15.
class CDiaGitter : public plat::Dialog {
 public:
  explicit CDiaGitter(plat::Window* owner = nullptr);
  double mesh_width = 2.0;
  double snap_radius = 0.15;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
};

// "Store": the name of the position.
class CDiaSaveAs : public plat::Dialog {
 public:
  explicit CDiaSaveAs(plat::Window* owner = nullptr);
  std::string position;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
};

}  // namespace kelmf
