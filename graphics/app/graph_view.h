#pragma once
// The picture window of the results viewer: the result picture of the load
// case shown, the steps through the load cases (32813, 32814, 32801) and the
// end of the program when it is closed.
#include "graphics/app/viewer_session.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/frames/view.h"

namespace revuzavi {

// The picture's scales as the fields of MEMSCALEGLF1.
RememberedScales ScalesOf(const PictureScales& scales);

class CGRAPHView : public plat::View {
 public:
  explicit CGRAPHView(ViewerSession& session);

  // 32813 (forward) and 32814: the next or previous load case of the diary.
  void OnStepLoadCase(int code);
  // 32801: the load case chosen in CDiaLF.
  void OnChooseLoadCase();

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnInitialUpdate() override;
  void OnDraw(plat::Dc& dc) override;
  void OnDestroy() override;

 private:
  // After a switch: labels placed afresh, the caption, the menu and a repaint;
  // 1049 to the main window when the switch failed.
  void AfterSwitch(bool failed);
  void ShowTitle();
  // Resets a modification under way.
  void ResetModification();
  void WriteScales();

  ViewerSession& session_;
};


}  // namespace revuzavi
