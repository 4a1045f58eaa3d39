#include "Quon/loads/element_load_inputs.h"

namespace zedir {

mechanics::LineLoadOnElement LineLoadOnElementOf(const Run& run, const common::LineLoadRecord& load) {
  return mechanics::LineLoadOnElementOf(run.elements, load);
}

}  // namespace zedir
