#pragma once
// LERVENTA's view: the document's page (its path name), or the program's own
// page when the document has none.
#include "platform/views/html_view.h"

namespace lerventa {

class CLerventaView : public plat::HtmlView {
 public:
  void OnInitialUpdate() override;
  bool PreTranslateMessage(plat::MSG* msg) override;
};

}  // namespace lerventa
