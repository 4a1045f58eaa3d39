#pragma once
// Which of a node's rotations a rotational support (and its reaction) acts on.
//
// A node has r rotations (NodeRecord: r at byte 184, their equation numbers from byte 116): one
// per hinged element end, in element order, and, when at least one end is rigid, a last one shared
// by all rigid ends. The support restrains that shared last rotation; at a node whose ends are all
// hinged it restrains the first rotation. Geometry, solver and results viewer all decide it here.
#include <cstdint>
#include <span>

namespace mechanics {

// rotationCount: r; hingedEnds: hinged element ends at the node (NodeRecord byte 182); metEnds:
// element ends at the node (byte 158). Returns the rotation's index 1..r, or 0 when r < 1; with a
// node record: node.rotation_dof(SupportedRotationIndex(node.rotation_count(),
// node.hinged_end_count(), node.end_count())), after r was checked against the 21 slots.
int SupportedRotationIndex(int rotationCount, int hingedEnds, int metEnds);

// The equation number of that rotation; rotationEquations holds the node's rotation equations
// 1..r in order (its size is r). 0 when the list is empty.
int SupportedRotationEquation(std::span<const int> rotationEquations, int hingedEnds, int metEnds);
int SupportedRotationEquation(std::span<const std::int16_t> rotationEquations, int hingedEnds, int metEnds);

}  // namespace mechanics
