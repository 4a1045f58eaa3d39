#include "Zelko1/app/open_listing.h"

#include "Zelko1/app/zelko1_view.h"
#include "platform/message_box.h"

namespace zevril {

plat::FileDialog ApplicationOpenDialog(plat::Window* owner) {
  // The listings D1 .. D999, with or without their ".TXT" (a "|" cannot
  // stand in the entry's text: it separates the entries).
  return plat::FileDialog(true, {}, {}, plat::OFN_HIDEREADONLY | plat::OFN_FILEMUSTEXIST,
                          "d?, d??, d???|d?;d??;d???;d?.txt;d??.txt;d???.txt||", owner);
}

plat::FileDialog ViewOpenDialog(plat::Window* owner) {
  return plat::FileDialog(true, {}, {}, plat::OFN_HIDEREADONLY | plat::OFN_FILEMUSTEXIST, {}, owner);
}

bool ChooseListing(ZevrilState& state, plat::FileDialog& dialog) {
  if (dialog.DoModal() != plat::IDOK) return false;
  const common::Result loaded = LoadListing(state, dialog.GetPathName());
  ShowFailure(loaded);
  RepaintListingViews();
  return loaded.ok();
}

void ShowFailure(const common::Result& result) {
  if (!result) plat::MessageBox(result.text(), result.caption(), plat::MB_OK | plat::MB_ICONERROR);
}

}  // namespace zevril
