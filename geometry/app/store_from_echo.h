#pragma once
// Storing a position from its geometry echo text without the editor: what the
// geometry input's start with "@G" followed by its Store command does.
#include <string>

namespace kelmf {

// For the position `name` (without the dot) under `data_path` (ending with
// "/"), whose folder holds the echo text ECHO_G.<name>.TXT: the start-up load
// with the rebuild from the echo text (LoadPositionFiles), then StorePosition.
// Every message goes through plat::MessageBox. Returns 0 when the geometry was
// stored (GEOMETRY = 1); 1 after the message of a missing or empty echo text,
// of a load that failed or did not rebuild the model, or of a store that did
// not complete (a mechanism: "Singularity in row %d", and no INVERSE). The
// echo text is the input of this store: one that does not complete leaves it
// as it was typed (the store's rewrite of it is undone).
int StoreFromEcho(const std::string& data_path, const std::string& name);

}  // namespace kelmf
