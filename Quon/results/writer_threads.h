#pragma once
// Helper threads for writing many files side by side. They stay from one batch to the next and
// sleep in between: starting and ending threads for every batch cost more than its writes (each
// end of a thread flushes the address caches of every processor that runs the program).
#include <cstddef>
#include <functional>
#include <vector>

#include "platform/text_block.h"

namespace zedir {

// Runs `drain` on the calling thread and on up to `threads - 1` helpers at once, and returns when
// every one of them has returned. `drain` takes its work items itself (from a shared counter) until
// none are left, so a helper that joins late or not at all leaves its share to the others.
// Batches from several threads run one after the other.
void DrainOnHelpers(int threads, const std::function<void()>& drain);

// The texts of the items 1..count, made side by side on the helpers when there are many
// (`append(k, text)` makes item k's text), in the items' order: part k - 1 is item k's. The
// parts are written one after the other by a gathered write, never copied into one text.
std::vector<plat::TextBlock> TextParts(int count, const std::function<void(int, plat::TextBlock&)>& append);

}  // namespace zedir
