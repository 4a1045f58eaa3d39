#pragma once
// The drawing cursor of the geometry editor's picture (cursor 131).

namespace kelmf {

// Makes the cursor under its id for plat::LoadCursor: a thin cross with a
// small square at its centre, which points.
void MakeDrawingCursor();

}  // namespace kelmf
