#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

// Runs task(k) for every part k of [0, count) on `threads` worker threads (0: one per core),
// handing the parts out in increasing k. A task returns true when it completed its part; it
// should return false soon after `stop` is set. Meanwhile the calling thread calls poll about
// every 20 ms, and once more when every part is done, with the number of parts completed in a
// row from part 0; when poll returns false, the parts not started are left out and the
// running ones asked to stop. Returns the number of parts completed in a row from part 0.
using PartTask = std::function<bool(std::size_t part, const std::atomic<bool>& stop)>;
using PartPoll = std::function<bool(std::size_t doneInOrder)>;

std::size_t runParts(std::size_t count, int threads, const PartTask& task, const PartPoll& poll);
