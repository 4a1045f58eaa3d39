#include "graphics/app/wheel_scales_dialog.h"

#include <cmath>
#include <cstdio>

#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

struct ScaleEdit {
  plat::UINT id;
  const char* label;
  float PictureScales::*field;
};

// The edits in their order, with the wheel that changes the same scale.
constexpr ScaleEdit kEdits[] = {
    {CDiaSkalenGrafik::kGeneral, "General (Wheel)", &PictureScales::displacement},
    {CDiaSkalenGrafik::kMoments, "Moments (Wheel)", &PictureScales::moment},
    {CDiaSkalenGrafik::kShear, "Shear forces (Wheel)", &PictureScales::shear},
    {CDiaSkalenGrafik::kNormal, "Normal forces (Wheel)", &PictureScales::normal_force},
};

float& Field(PictureScales& s, std::size_t k) { return k < 4 ? s.*kEdits[k].field : s.further[kReactionScaleField]; }

}  // namespace

void ResetDiagramScales(PictureScales& s) {
  s.moment = s.shear = s.normal_force = s.fourth = s.displacement = 0.1f;
  s.further[kReactionScaleField] = s.further[kLoadScaleField] = 0.1f;
}

CDiaSkalenGrafik::CDiaSkalenGrafik(const PictureScales& scales, plat::Window* owner)
    : plat::Dialog(327, "Scales", owner), scales_(scales) {}

void CDiaSkalenGrafik::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  for (const ScaleEdit& e : kEdits) form.Field(e.label).EditBox(e.id, 0x0080, 14);
  form.Field("Support reactions (Wheel)").EditBox(kReactions, 0x0080, 14);
  auto more = layout.Group("Also on the wheel");
  more.Text("Loading (Wheel)");
  more.Text("Model (Shift + Wheel)");
  more.Text("Font (Ctrl + Wheel)");
  auto buttons = layout.Row();
  buttons.PushButton("Reset", kReset);
  buttons.Stretch();
  buttons.DefPushButton("OK", kOk);
  buttons.PushButton("Stop", plat::IDCANCEL);
}

bool CDiaSkalenGrafik::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetDefID(kOk);
  ShowScales();
  if (plat::Window* first = GetDlgItem(kGeneral)) GotoDlgCtrl(first);
  return false;
}

void CDiaSkalenGrafik::ShowScales() {
  const plat::UINT ids[5] = {kGeneral, kMoments, kShear, kNormal, kReactions};
  for (std::size_t k = 0; k < 5; ++k) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4E", static_cast<double>(Field(scales_, k)));
    SetDlgItemText(ids[k], text);
  }
}

bool CDiaSkalenGrafik::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (plat::LOWORD(wParam)) {
    case kOk: OnOK(); return true;
    case kReset:
      ResetDiagramScales(scales_);
      ShowScales();
      EndDialog(plat::IDOK);
      return true;
    default: return plat::Dialog::OnCommand(wParam, lParam);
  }
}

void CDiaSkalenGrafik::OnOK() {
  const plat::UINT ids[5] = {kGeneral, kMoments, kShear, kNormal, kReactions};
  PictureScales typed = scales_;
  for (std::size_t k = 0; k < 5; ++k) {
    double value = 0.0;
    const bool number = plat::ParseDialogDouble(GetDlgItemText(ids[k]), &value) && std::isfinite(value);
    // A scale of 0 or below would draw nothing or turn the diagram over; a float holds up to about 3E+38.
    const char* refusal = !number || value <= 0.0 ? "Please enter a number above 0."
                          : value > 1e30          ? "Please enter a number below 1E+30."
                                                  : nullptr;
    if (refusal != nullptr) {
      plat::MessageBox(refusal, "Scales", plat::MB_OK | plat::MB_ICONEXCLAMATION);
      if (plat::Window* edit = GetDlgItem(ids[k])) GotoDlgCtrl(edit);
      return;
    }
    Field(typed, k) = static_cast<float>(value);
  }
  scales_ = typed;
  EndDialog(plat::IDOK);
}

}  // namespace revuzavi
