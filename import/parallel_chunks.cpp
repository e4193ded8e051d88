// parallel_chunks.cpp - a shared counter hands out the chunks; idle threads take the next one.

#include "import/parallel_chunks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace varnholt::document {

unsigned threads_for(unsigned requested, std::size_t work, std::size_t work_per_thread) {
    const std::size_t useful = std::max<std::size_t>(1, work / std::max<std::size_t>(1, work_per_thread));
    const unsigned wanted = requested != 0 ? requested : std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>(wanted, useful));
}

void run_chunks(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& chunk) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr first_error;
    std::mutex error_mutex;
    const auto work = [&] {
        for (std::size_t index; !failed.load(std::memory_order_relaxed) && (index = next++) < count;) {
            try {
                chunk(index);
            } catch (...) {
                const std::lock_guard lock(error_mutex);
                if (!first_error) first_error = std::current_exception();
                failed = true;
            }
        }
    };
    const unsigned helpers = count == 0 ? 0 : static_cast<unsigned>(std::min<std::size_t>(std::max(1u, threads), count)) - 1;
    {
        std::vector<std::jthread> workers;
        workers.reserve(helpers);
        for (unsigned i = 0; i < helpers; ++i) {
            // A system out of threads gets fewer helpers, down to none: the work is the same.
            try {
                workers.emplace_back(work);
            } catch (const std::system_error&) {
                break;
            }
        }
        work();
    }  // the workers join here
    if (first_error) std::rethrow_exception(first_error);
}

}  // namespace varnholt::document
