#pragma once
// The normal force, moment and shear diagrams of the current load case and the
// element energies as bands: each element's curve composed as the solver
// composes it, drawn as strips between axis and curve, labelled, and written to
// the viewer's "N", "M" and "S" curve files.
#include <vector>

#include "common/records/model_tables.h"
#include "graphics/picture/canvas.h"
#include "graphics/picture/element_values.h"

namespace revuzavi {

// World metres per kN (kNm) of a diagram; fitted once unless fixed.
struct DiagramScale {
  float value = 1.0f;
  bool fitted = false;
};

struct DiagramOptions {
  bool loads = true;  // off: the element loads and the temperature are left out
  // Moment and shear: the Green point's unit dislocation on its element, the loads left out.
  bool green = false;
  bool exponent_labels = false;  // "%.2E" in place of "%.2lf"
  bool scale_fixed = false;      // the normal force and energy pictures do not fit the scale
};

// N at the samples of every element not switched off; the smallest and the
// largest non-zero value into the element's record (1e10 and -1e10 when N is
// 0 at every sample, round-off below 1e-6 kN counting 0). Draws nothing,
// writes no file.
void ComputeNormalForceCurves(ViewerState& state, const ViewState& view);

// The pictures; each returns the number of elements drawn. The normal force
// and energy pictures keep the normal-force extremes in `elements` (the
// viewer's table).
int DrawNormalForceDiagram(Canvas& c, common::ElementTable& elements, DiagramScale& scale, const DiagramOptions& o);
int DrawMomentDiagram(Canvas& c, DiagramScale& scale, const DiagramOptions& o);
int DrawShearDiagram(Canvas& c, DiagramScale& scale, const DiagramOptions& o);
int DrawEnergyBand(Canvas& c, common::ElementTable& elements, std::vector<float>& energies, DiagramScale& scale,
                   const DiagramOptions& o);

}  // namespace revuzavi
