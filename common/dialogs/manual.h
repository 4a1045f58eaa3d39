#pragma once
// The manual command of every program: opens the program's manual document.
#include <string>

namespace common {

// Opens `document` of `folder` (the program's folder when empty) with the
// desktop's viewer. A document that is not there shows "File <document> not
// found!" under "Attention" with the stop icon; a viewer that cannot start
// shows the system's text under the document's name. True when it opened.
bool OpenManual(const std::string& document, const std::string& folder = {});

}  // namespace common
