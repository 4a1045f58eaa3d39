#include "graphics/picture/view_state.h"

#include <algorithm>

namespace revuzavi {

bool ViewState::ElementPicked(int e) const {
  return std::find(picked_elements.begin(), picked_elements.end(), e) != picked_elements.end();
}

bool ViewState::NodePicked(int n) const {
  return std::find(picked_nodes.begin(), picked_nodes.end(), n) != picked_nodes.end();
}

}  // namespace revuzavi
