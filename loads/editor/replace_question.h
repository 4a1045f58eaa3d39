#pragma once
// "Replace load case %i?": asked before a store puts new loads in the place of
// a stored load case.
#include "loads/model/load_model.h"

namespace pundf {

// Whether load case `number` is stored (in the diary) and its stored files
// hold a load (or do not read, so that what they hold is not known).
bool StoredCaseHoldsLoads(const LoadModel& model, int number);

// Whether the load case holds a load: point or line loads, gravity,
// temperatures, settlements or prestress.
bool HoldsLoads(const LoadCase& load_case);

// "Replace load case <number>?" (Yes/No, caption "Save ?"); true for Yes.
bool AskToReplace(int number);

}  // namespace pundf
