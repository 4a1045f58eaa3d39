#pragma once
// A position whose model is replaced by other echo texts (Load from Archive, Clone or a rebuild
// over an existing position) loses the results, listings and load cases of its old model before
// the new model is written, unless the echo texts stay byte for byte as they were (then the
// rebuilt model is the stored one and its results still hold).
#include <cstddef>
#include <optional>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"

namespace quentaris {

// The position's echo texts as they are now (nullopt for a missing one).
struct StoredEchoTexts {
  std::optional<std::vector<std::byte>> geometry;
  std::optional<std::vector<std::byte>> load;
};
StoredEchoTexts ReadStoredEchoTexts(const common::Position& position);

// After new echo texts were copied into the position over those of `before`: when the source
// brought no load echo text (`load_copied` false), the position keeps none of its old model
// either (ECHO_L<ext>.TXT deleted). When the texts then differ from `before`, the position is
// reset with its outputs (ResetPosition) and its load cases go (ForgetLoadCases), so that no load
// case of the old model stays with the new frame: the load editor builds them from the new load
// echo text. Ok when nothing had to go or all went; else the first problem, naming its file.
common::Result ForgetFormerModel(const common::Position& position, const StoredEchoTexts& before, bool load_copied);

}  // namespace quentaris
