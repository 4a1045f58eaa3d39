#pragma once
// Qt's drag events on a window's widget, handed to the window's drop target.
// Only platform code includes this.
#include <functional>

#include "platform/clipboard/data_object.h"

class QEvent;

namespace plat::detail {

class HostWidget;

// Handles a DragEnter, DragMove, DragLeave or Drop event for the window's
// registered drop target; false (nothing done) when it has none.
bool DeliverDragEvent(HostWidget& widget, QEvent* event);

// Runs DoDragDrop instead of the window system while set (tests): the data and
// the effects the source permits, returning the drop's effect.
using DragRunner = std::function<DROPEFFECT(const DataObject& data, DROPEFFECT allowed)>;
extern DragRunner* drag_runner;

}  // namespace plat::detail
