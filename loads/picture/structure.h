#pragma once
// The frame in the load picture: elements, nodes, support symbols, hinges,
// element and node numbers, and the markers of loaded nodes.
#include "loads/picture/picture.h"

namespace pundf::picture {

// Markers of DrawNodeMarker.
inline constexpr int kRedDot = 4;
inline constexpr int kGreenDot = 2;
inline constexpr int kHollowCircle = 0;

// Every element as a line (with its number when switched on), every node as a
// black dot, and the support symbols.
void DrawStructure(Picture& picture);

// The element's number at its middle, turned along it.
void DrawElementNumber(Picture& picture, int element);

// "N <n>" under every node: a free node's as a point text, a supported node's
// as a boxed text.
void DrawNodeNumbers(Picture& picture);

// A hollow circle at every hinged element end: on the node, or a little way
// along the element when the node mixes hinged and rigid ends.
void DrawHinges(Picture& picture);

// At (x, z): a red (kRedDot) or green (kGreenDot) dot of one pixel unit, else a
// hollow circle of three.
void DrawNodeMarker(Picture& picture, double x, double z, int kind);

// The element's direction angle for its texts (records' frame, folded).
double ElementTextAngle(const Picture& picture, const common::ElementRecord& element);

}  // namespace pundf::picture
