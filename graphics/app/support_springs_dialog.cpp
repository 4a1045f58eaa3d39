#include "graphics/app/support_springs_dialog.h"

#include <cfloat>
#include <cmath>

#include "graphics/app/font_dialog.h"
#include "graphics/diagrams/shape_drawing.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr plat::UINT kFactorIds[3] = {CDiaLagerR::kFactorX, CDiaLagerR::kFactorY, CDiaLagerR::kFactorRotation};

// A typed number that no float can hold.
void RefuseNumber(const std::string& text) {
  plat::MessageBox("\"" + text + "\" is not a number the files can hold.", "Input error", plat::MB_OK);
}

}  // namespace

bool EnoughSupports(const common::NodeTable& nodes) {
  int held[4] = {};
  for (const common::NodeRecord& node : nodes.used()) {
    for (int d = 1; d <= 3; ++d) {
      if (node.support(d) != 0.0f) ++held[d];
    }
  }
  return held[3] > 0 || (held[1] > 0 && held[2] > 1);
}

common::NodeRecord WithSupportFactors(const common::NodeRecord& node, const std::array<float, 3>& before,
                                      const std::array<float, 3>& k) {
  common::NodeRecord changed = node;
  for (int d = 1; d <= 3; ++d) {
    const float value = k[static_cast<std::size_t>(d - 1)];
    if (value != node.support(d)) {
      changed.set_support(d, value);
      // Between the stiffnesses: a negative factor is a support of its absolute value.
      changed.set_changed_support(d, std::fabs(value) - std::fabs(before[static_cast<std::size_t>(d - 1)]));
      changed.set_changed_support_mark(d, 1);
    }
    changed.set_support_flag(d, changed.support(d) != 0.0f ? 1 : 0);
  }
  return changed;
}

CDiaLagerR::CDiaLagerR(const common::NodeTable& nodes, const common::NodeTable& original, int node,
                       float base_stiffness, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Stiffness of the support", owner),
      nodes_(nodes),
      original_(original),
      node_(node),
      base_stiffness_(base_stiffness) {}

void CDiaLagerR::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Node").Text(std::to_string(node_));
  form.Field("Stiffness of k = 1").EditBox(kBaseStiffness, plat::ES_AUTOHSCROLL | plat::ES_READONLY, 14);
  form.Field("k &x-direction").EditBox(kFactorX, plat::ES_AUTOHSCROLL, 14);
  form.Field("k &y-direction").EditBox(kFactorY, plat::ES_AUTOHSCROLL, 14);
  form.Field("k &rotational direction").EditBox(kFactorRotation, plat::ES_AUTOHSCROLL, 14);
  auto target = layout.Group("Target value of stiffness");
  auto target_form = target.Form();
  target_form.Field("&Target value (Enter)").EditBox(kTarget, plat::ES_AUTOHSCROLL, 14);
  target_form.Field("k = target / stiffness of k = 1").EditBox(kTargetFactor, plat::ES_AUTOHSCROLL, 14);
  auto copies = target.Row();
  copies.Text("Copy k into:");
  copies.PushButton("x-direction", kCopyX);
  copies.PushButton("y-direction", kCopyY);
  copies.PushButton("rotational direction", kCopyRotation);
  layout.PushButton("Click here to set k to zero in all directions = no support", kNoSupport);
  auto buttons = layout.Row();
  buttons.Stretch();
  buttons.DefPushButton("OK", kOk);
  buttons.PushButton("Stop", plat::IDCANCEL);
}

bool CDiaLagerR::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetDlgItemText(kBaseStiffness, FormatValue("%.3E", base_stiffness_));
  const common::NodeRecord& node = nodes_[node_];
  for (int d = 1; d <= 3; ++d) {
    start_texts_[static_cast<std::size_t>(d - 1)] = FormatValue("%g", node.support(d));
    SetDlgItemText(kFactorIds[d - 1], start_texts_[static_cast<std::size_t>(d - 1)]);
  }
  GotoDlgCtrl(GetDlgItem(kFactorX));
  return false;
}

bool CDiaLagerR::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_KEYDOWN && msg->wParam == plat::VK_RETURN) {
    if (plat::Window* target = GetDlgItem(kTarget); target && msg->hwnd == target->GetSafeHwnd()) {
      OnTarget();
      return true;
    }
  }
  return plat::Dialog::PreTranslateMessage(msg);
}

void CDiaLagerR::OnTarget() {
  if (!(base_stiffness_ > 0.0f) || !std::isfinite(base_stiffness_)) {
    plat::MessageBox("The stiffness of k = 1 is not above 0: no k can be computed from a target.", "OK",
                     plat::MB_OK);
    return;
  }
  const std::string text = GetDlgItemText(kTarget);
  const std::optional<float> target = TypedFloat(text);
  const double k = target ? static_cast<double>(*target) / static_cast<double>(base_stiffness_) : 0.0;
  if (!target || !(std::fabs(k) <= FLT_MAX)) {
    RefuseNumber(text);
    return;
  }
  SetDlgItemText(kTargetFactor, FormatValue("%.5E", k));
  GotoDlgCtrl(GetDlgItem(kTargetFactor));
}

bool CDiaLagerR::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  switch (id) {
    case kOk: OnConfirm(); return true;
    case kNoSupport:
      for (plat::UINT field : kFactorIds) SetDlgItemText(field, "0");
      return true;
    case kCopyX:
    case kCopyY:
    case kCopyRotation:
      if (const std::string k = GetDlgItemText(kTargetFactor); !k.empty()) {
        SetDlgItemText(kFactorIds[id - kCopyX], k);
      }
      return true;
    default: return plat::Dialog::OnCommand(wParam, lParam);
  }
}

void CDiaLagerR::OnConfirm() {
  const common::NodeRecord& node = nodes_[node_];
  std::array<float, 3> k{};
  std::array<float, 3> before{};
  bool any = false;
  for (int d = 1; d <= 3; ++d) {
    const std::size_t i = static_cast<std::size_t>(d - 1);
    const std::string text = GetDlgItemText(kFactorIds[i]);
    // A field left as shown keeps the node's exact factor.
    const std::optional<float> typed = text == start_texts_[i] ? node.support(d) : TypedFloat(text);
    if (!typed) {
      RefuseNumber(text);
      GotoDlgCtrl(GetDlgItem(kFactorIds[i]));
      return;
    }
    k[i] = *typed;
    before[i] = node_ <= original_.count() ? original_[node_].support(d) : node.support(d);
    any = any || k[i] != node.support(d);
  }
  if (!any) {
    changed_.reset();
    EndDialog(plat::IDOK);
    return;
  }
  common::NodeTable candidate = nodes_;
  candidate[node_] = WithSupportFactors(node, before, k);
  if (!EnoughSupports(candidate)) {
    plat::MessageBox("Not enough supports left!", "OK", plat::MB_OK);
    return;
  }
  changed_ = candidate[node_];
  EndDialog(plat::IDOK);
}

bool EditSupportSprings(ViewerSession& session, int node, plat::Window* parent) {
  ViewerState& state = session.state;
  if (node < 1 || node > state.nodes.count()) return false;
  CDiaLagerR dialog(state.nodes, state.original_nodes, node, state.params.support_stiffness(), parent);
  if (dialog.DoModal() != plat::IDOK || !dialog.changed()) return false;
  state.nodes[node] = *dialog.changed();
  return true;
}

}  // namespace revuzavi
