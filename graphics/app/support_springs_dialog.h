#pragma once
// 345 "Stiffness of the support": the support factors k of one node in x, y and rotation during
// a reanalysis, with a tool that turns a target stiffness into k. A change is kept only while
// the frame stays supported.
#include <array>
#include <optional>
#include <string>

#include "common/records/model_tables.h"
#include "common/records/node_record.h"
#include "graphics/app/viewer_session.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

// Whether the frame stays supported with these nodes: a rotational support somewhere, or an x
// support and more than one y support. A factor other than 0 is a support (a negative one counts
// as its size).
bool EnoughSupports(const common::NodeTable& nodes);

// `node` with the factors k (x, y, rotation): each factor that differs from the node's gets its
// change against `before` (its factor before any reanalysis), counted between their absolute
// values, and its changed mark; the support flags follow the factors.
common::NodeRecord WithSupportFactors(const common::NodeRecord& node, const std::array<float, 3>& before,
                                      const std::array<float, 3>& k);

class CDiaLagerR : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 345;
  static constexpr plat::UINT kOk = 1022;
  static constexpr plat::UINT kFactorX = 1009;
  static constexpr plat::UINT kFactorY = 1011;
  static constexpr plat::UINT kFactorRotation = 1012;
  static constexpr plat::UINT kBaseStiffness = 1013;
  static constexpr plat::UINT kNoSupport = 1014;
  static constexpr plat::UINT kCopyX = 1031;
  static constexpr plat::UINT kCopyY = 1032;
  static constexpr plat::UINT kCopyRotation = 1033;
  static constexpr plat::UINT kTarget = 1036;
  static constexpr plat::UINT kTargetFactor = 1037;

  // `nodes` is the frame's node table, `node` (1..count) the node edited, `original` the nodes as
  // read before any reanalysis, `base_stiffness` the stiffness of a factor 1.
  CDiaLagerR(const common::NodeTable& nodes, const common::NodeTable& original, int node, float base_stiffness,
             plat::Window* owner);

  // After OK: the node with its new factors, or nothing when no factor changed.
  const std::optional<common::NodeRecord>& changed() const { return changed_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  bool PreTranslateMessage(plat::MSG* msg) override;

 private:
  // Enter in the target field: k = target / base stiffness into 1037.
  void OnTarget();
  void OnConfirm();

  const common::NodeTable& nodes_;
  const common::NodeTable& original_;
  int node_;
  float base_stiffness_;
  std::array<std::string, 3> start_texts_;
  std::optional<common::NodeRecord> changed_;
};

// Opens CDiaLagerR on the springs of support node `node` (1-based); true when OK changed them (the node record
// in session.state changed). The caller then writes the node copy and computes.
bool EditSupportSprings(ViewerSession& session, int node, plat::Window* parent);

}  // namespace revuzavi
