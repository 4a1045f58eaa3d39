#pragma once
// The text window of the results viewer: one text listing of the position
// (the geometry listing D1, the load listing D2, the listing of the load case
// shown or one chosen from the output list) in Courier New of 10 points, with
// the view's copy and printing; menu 160.
#include <string>

#include "graphics/app/viewer_session.h"
#include "platform/views/text_view.h"

namespace revuzavi {

class CD1View : public plat::TextView {
 public:
  explicit CD1View(ViewerSession& session);

  // Shows listing `name` of the position folder (the file of that name, else
  // name + ".TXT") and gives its name to the window. A missing listing is
  // reported in a box and the window closes; false then.
  bool LoadTextFile(const std::string& name);

  // The listing shown, empty before one is loaded.
  const std::string& listing() const { return listing_; }
  // The listing was chosen from the output list: Esc goes back to the list.
  bool chosen_from_list() const { return chosen_from_list_; }

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnInitialUpdate() override;
  void OnDestroy() override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) override;

 private:
  // 32982: the output list; its choice is shown.
  void OnResults();
  // 32979: the load listing D2.
  void OnLoadCases();
  void CloseWindow();

  ViewerSession& session_;
  std::string listing_;
  bool chosen_from_list_ = false;
};

}  // namespace revuzavi
