#include "LERVENTA/app/lerventa_view.h"

#include "LERVENTA/app/builtin_page.h"
#include "LERVENTA/app/side_button.h"
#include "platform/frames/document.h"

namespace lerventa {

void CLerventaView::OnInitialUpdate() {
  plat::HtmlView::OnInitialUpdate();
  const plat::Document* doc = GetDocument();
  if (doc == nullptr || doc->GetPathName().empty()) {
    ShowHtml(BuiltInPage());
  } else {
    Navigate(doc->GetPathName());  // a page that went meanwhile: the view says so
  }
}

bool CLerventaView::PreTranslateMessage(plat::MSG* msg) {
  return EndOnSideButton(*msg) || plat::HtmlView::PreTranslateMessage(msg);
}

}  // namespace lerventa
