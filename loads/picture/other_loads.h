#pragma once
// Temperatures, settlements and prestress in the load picture.
#include "loads/picture/picture.h"

namespace pundf::picture {

// The temperature of every loaded element as a label at its remembered place
// (the element's middle the first time).
void DrawTemperatureLabels(Picture& picture);

// Every settled support: a red dot at its node and the settlements in mm (and
// the rotation) 0.3 m under it.
void DrawSettlements(Picture& picture);

// Every prestressed element as a red line with its force.
void DrawPrestress(Picture& picture);

// "%6.3E kN" of the force, 0.03 m beside the element's middle, along it.
void DrawPrestressLabel(Picture& picture, int element, double force);

}  // namespace pundf::picture
