#pragma once
// The Qt side of a dialog's layout: the boxes that DialogLayout fills. Only
// platform code includes this.
#include <QBoxLayout>
#include <QFormLayout>
#include <QWidget>

#include <memory>
#include <vector>

#include "platform/window/window.h"

namespace plat::detail {

struct LayoutBox {
  QBoxLayout* box = nullptr;    // a row or a column
  QFormLayout* form = nullptr;  // two columns of labels and fields
  QWidget* last = nullptr;      // the widget of the last control placed here
};

struct DialogFrame {
  QVBoxLayout* root = nullptr;
  std::vector<std::unique_ptr<LayoutBox>> boxes;  // every box of the template
  bool after_radio = false;  // the last control made was a radio button (the next one starts a group)

  LayoutBox* NewBox() {
    boxes.push_back(std::make_unique<LayoutBox>());
    return boxes.back().get();
  }
};

// Ends a modal loop (a QEventLoop, nullptr: none runs).
void ExitModalLoop(void* loop);

// The widget behind a window (nullptr when it has none).
QWidget* WidgetOfWindow(Window& window);

}  // namespace plat::detail
