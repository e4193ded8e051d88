// parallel_chunks.h - runs the numbered chunks of one job on a few worker threads. Each chunk
// writes only what is its own, so the result does not depend on which thread took which chunk
// or in what order they finished; callers place the chunks' results in order afterwards.
#pragma once

#include <cstddef>
#include <functional>

namespace varnholt::document {

// The threads worth starting for `work` items when one thread should have at least
// `work_per_thread` of them: `requested` when given (1 or more), else as many as the machine
// has, never more than the work can use and never fewer than one.
[[nodiscard]] unsigned threads_for(unsigned requested, std::size_t work, std::size_t work_per_thread);

// Calls `chunk(i)` for every i below `count`, on `threads` threads (the caller's one among
// them), or on fewer when the system cannot start that many. The first exception a chunk throws is thrown here once every thread has stopped;
// chunks not yet started are then skipped.
void run_chunks(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& chunk);

}  // namespace varnholt::document
