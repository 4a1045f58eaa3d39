#pragma once
// What the solver and the results viewer compute alike from an element's records: its rigidity,
// stiffness and equations, and the equivalent nodal forces of its own loads (its temperature load
// and the point loads placed on it). Both call these functions, so that the two never differ.
#include <array>

#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "mechanics/dense_vector.h"
#include "mechanics/element_loads.h"
#include "mechanics/element_stiffness.h"

namespace mechanics {

// The tables an element's own loads are computed from; indices checked by the reader.
struct ElementLoadModel {
  const common::ElementTable& elements;
  const common::NodeTable& nodes;
  const common::MaterialTable& materials;
  const common::CrossSectionTable& sections;
  const common::LoadCaseParams& load_case;
  const common::TemperatureTable& temperatures;  // by element
  const common::PointLoadTable& point_loads;
};

// EA and EI of the element from its material's E and its section's A and I.
Rigidity ElementRigidityOf(const common::ElementRecord& element, const common::MaterialTable& materials,
                           const common::CrossSectionTable& sections);

// The element's stiffness in global axes: its rigidity, the direction between its end points and
// their distance (at least kShortestElementLength).
ElementMatrix ElementStiffnessOf(const common::ElementRecord& element, const common::MaterialTable& materials,
                                 const common::CrossSectionTable& sections);
// The direction between the element's end points.
ElementDirection DirectionOfElement(const common::ElementRecord& element);

// Length and direction of the element as its record holds them.
LoadAxes LoadAxesOf(const common::ElementRecord& element);

// The six equations of the element in the element matrix's order: u, v of its start node, its own
// start rotation, u, v of its end node, its own end rotation.
std::array<int, 6> ElementEquationsOf(const common::ElementRecord& element, const common::NodeTable& nodes);

// The temperature load of the element: alpha of the load case, the section's height (see
// TemperatureHeight).
NodalForces TemperatureLoadForces(const common::ElementRecord& element, const Rigidity& rigidity, float section_height,
                                  double alpha, const common::TemperatureLoadRecord& load);

// A point load on the element of kind 0, 1, 2, 4 or 5; zero for any other kind.
NodalForces ElementPointLoadForces(const common::ElementRecord& element, const Rigidity& rigidity,
                                   const common::PointLoadRecord& load);

// Adds the forces to f at the element's equations.
void AddToEquations(const std::array<int, 6>& equations, const NodalForces& forces, Vector& f);

// Adds the line load's equivalent nodal forces to f: at its start node and the element's start
// rotation when it names a start node, likewise at its end. The element and nodes are checked by
// the reader.
void AddLineLoadForces(const common::LineLoadRecord& load, const common::ElementTable& elements,
                       const common::NodeTable& nodes, Vector& f);

// Adds all of element e's own loads to f, as the solver's load vector holds them: its temperature
// load (when the load case has temperatures), the point loads placed on it, the line loads on it
// (the generated self weight among them) and its prestress (when the load case has prestress).
void AddElementOwnLoads(const ElementLoadModel& model, const common::LineLoadTable& line_loads,
                        const common::PrestressTable& prestress, int e, Vector& f);

}  // namespace mechanics
