#pragma once
// The one-value dialogs of the generated loads: "Lateral load" (CDiaWind) and
// "Snow" (CDiaSnow), each a magnitude in kN/m, "OK" and "Stop".
#include <string>

#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaMagnitude : public plat::Dialog {
 public:
  static constexpr plat::UINT kValueEdit = 1000;

  // The magnitude offered; after OK, the one typed (decimal comma or point).
  float magnitude() const { return magnitude_; }

 protected:
  CDiaMagnitude(plat::UINT template_id, const char* caption, float magnitude, plat::Window* owner);
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  float magnitude_;
};

class CDiaWind : public CDiaMagnitude {
 public:
  static constexpr plat::UINT kTemplateId = 321;
  CDiaWind(float magnitude, plat::Window* owner) : CDiaMagnitude(kTemplateId, "Lateral load", magnitude, owner) {}
};

class CDiaSnow : public CDiaMagnitude {
 public:
  static constexpr plat::UINT kTemplateId = 323;
  CDiaSnow(float magnitude, plat::Window* owner) : CDiaMagnitude(kTemplateId, "Snow", magnitude, owner) {}
};

}  // namespace pundf
