#pragma once
// "Text": a text file of the position (the load listing) in a read-only
// window captioned with the file's path; "OK" and "Stop" close it.
#include <string>

#include "loads/model/load_model.h"
#include "platform/controls/rich_edit.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaText : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 2190;
  static constexpr plat::UINT kText = 1000;

  CDiaText(std::string path, std::string text, plat::Window* owner);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;

 private:
  std::string path_;
  std::string text_;
  plat::RichEdit editor_;
};

// The listing: D2.TXT of the position folder, else D2; neither: "No load case
// stored" / "Missing file D2.TXT".
void ShowLoadListing(const LoadModel& model, plat::Window* owner);

}  // namespace pundf
