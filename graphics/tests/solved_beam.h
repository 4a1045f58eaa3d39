#pragma once
// A beam of the solver's tests solved under one load case and read as the viewer starts on it.
#include "Quon/tests/support/solver_fixture.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi::testing {

// The load case 1 of `files` solved with its results, in the diary, read by the viewer.
ViewerState SolvedBeam(zedir::testing::SolverFixture& f, const zedir::testing::LoadCaseFiles& files);

// A uniform load q along y on element 1.
zedir::testing::LoadCaseFiles UniformLoad(const zedir::testing::SolverFixture& f, float q);

}  // namespace revuzavi::testing
