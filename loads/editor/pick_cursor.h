#pragma once
// The load editor's pick cursor (154): a small cross with an open square.

namespace pundf {

// Makes the cursor under its id for plat::LoadCursor.
void MakePickCursor();

}  // namespace pundf
