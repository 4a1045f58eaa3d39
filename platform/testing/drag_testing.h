#pragma once
// Test support for the clipboard and drag and drop: scripted drags through
// Qt's drag events on the windows' widgets (a real drag cannot run under the
// offscreen platform), and failing reads of dropped or pasted text.
#include <memory>
#include <vector>

#include "platform/clipboard/data_object.h"
#include "platform/window/window.h"

namespace plat::testing {

// The mouse of a drag over a window, at a point in its client coordinates,
// with the modifier keys kShift, kCtrl, kAlt held (the left button is down).
struct DragStep {
  Window* window = nullptr;
  Point point;
  unsigned mods = 0;
};

// Drags `data` over the steps' windows as the window system does (enter, move,
// leave when the mouse passes to another window) and drops it at the last step,
// or with `drop` false gives up there. Returns the drop's effect among `allowed`.
DROPEFFECT ScriptedDrag(const DataObject& data, DROPEFFECT allowed, const std::vector<DragStep>& steps,
                        bool drop = true);

// While alive, DataObject::DoDragDrop runs ScriptedDrag with these steps.
class DragScript {
 public:
  explicit DragScript(std::vector<DragStep> steps, bool drop = true);
  ~DragScript();
  DragScript(const DragScript&) = delete;
  DragScript& operator=(const DragScript&) = delete;

  // How many drags ran.
  int runs() const { return runs_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int runs_ = 0;
};

// While alive, the next `count` reads of a data object's text fail.
class FailingTextReads {
 public:
  explicit FailingTextReads(int count);
  ~FailingTextReads();
  FailingTextReads(const FailingTextReads&) = delete;
  FailingTextReads& operator=(const FailingTextReads&) = delete;
  // The failures not used up yet.
  int left() const;
};

}  // namespace plat::testing
