#pragma once
// Rebuilding a load case's binary files from its entry in the load echo text.
#include <cstddef>

#include "loads/echo/load_echo_reader.h"
#include "loads/model/load_model.h"
#include "loads/store/store_load_case.h"

namespace pundf {

// Rebuilds the load case of entry k (1-based) of the echo text and stores it
// (StoreLoadCase, which also writes its entry back into the echo text):
// DIARY is read first (an empty diary when missing; while every load case is
// rebuilt, model.diary holds it); the load case starts
// empty, with the number of its "LC" line and the origin of its count line.
//
// - TITLE: the line after it, cut to 81 characters.
// - GRAVITYLOAD: gamma and covering; the gravity flag.
// - LINELOADS: per load its note (after the first blank, '_' read as a blank
//   in the first 120 characters) and its data; a load is whole-element when
//   its whole-element field is 1, or when it starts within 0.05 m of the
//   element's start and ends at 0 or within 0.05 m of the element's end; its
//   points lie on the element; direction 'T', 'X', 'Y', anything else 'N'.
// - POINTLOADS: kind letter, node, element, distance, value, direction; a load
//   at a node (node above 0) lies on the node, else on the element at the
//   distance; value and components as the editor fills them.
// - TEMPERATURE: T, delta T, alpha T in PL, and TEMPELEMENTS with these values
//   for every element.
// - SETTLEMENT: the listed supports settled; without the section none is.
// - PRESTRESS: the entries in PL's count and in the PRESTRESS file.
// Counts beyond a table's 100 slots read the first 100 (with a message). An
// entry numbered outside 1..99, a load naming a node, element or support that
// the frame lacks, a force without a direction, or a number that is not finite
// or does not fit a float (its line named), refuses the load case with a
// message naming the echo text; nothing is written then.
StoreReport RebuildLoadCase(LoadModel& model, const LoadEchoText& echo, std::size_t k);

}  // namespace pundf
