#pragma once
// The open dialogs of the page printer: the chosen listing is loaded and
// every view shows it.
#include "Zelko1/page/zevril_state.h"
#include "platform/dialogs/file_dialog.h"

namespace zevril {

// The application's dialog: existing files, the listings' filter.
plat::FileDialog ApplicationOpenDialog(plat::Window* owner);
// The view's dialog: any file.
plat::FileDialog ViewOpenDialog(plat::Window* owner);

// Shows the dialog; on OK loads the file (a file that cannot be read is
// named in a message) and repaints the views. True when a file was loaded.
bool ChooseListing(ZevrilState& state, plat::FileDialog& dialog);

// A failure in a message box with its caption and the stop icon; nothing on success.
void ShowFailure(const common::Result& result);

}  // namespace zevril
