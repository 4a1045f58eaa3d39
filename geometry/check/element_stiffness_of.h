#pragma once
// The stiffness matrix of an element of the frame model.
#include "common/result.h"
#include "geometry/model/frame_model.h"
#include "mechanics/assembly.h"
#include "mechanics/element_stiffness.h"

namespace kelmf {

// Element e's 6 x 6 matrix from its material's E, its cross section's A and I
// and its end points. Fails with "Error in the stiffness of element <e>. Check
// E, A and I" when |EA| or |EI| is below 0.001 or the element names a material
// or cross section the tables do not hold.
common::Outcome<mechanics::ElementMatrix> ElementStiffness(const FrameModel& model, int e);

// The element's six equation numbers, in the element matrix's dof order.
mechanics::ElementDofs ElementDofs(const common::ElementRecord& element);

}  // namespace kelmf
