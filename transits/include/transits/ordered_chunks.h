// Work cut into numbered chunks, done on several threads, handed back in
// chunk order: what the chunks produce comes out the same for any number of
// threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zkc {

// The number of threads to use when none is asked for.
inline int DefaultJobs() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

// Runs work(i) for i = 0 … count − 1 on `jobs` threads and calls deliver(i,
// result) on the calling thread in the order of i. At most a few chunks per
// thread wait for their turn, so memory stays bounded however many chunks
// there are. deliver returns false to stop; RunOrderedChunks then returns
// false once the threads have finished the chunks they had begun.
template <class Work, class Deliver>
bool RunOrderedChunks(std::int64_t count, int jobs, Work&& work, Deliver&& deliver) {
    using Result = decltype(work(std::int64_t{0}));
    if (jobs <= 1 || count <= 1) {
        for (std::int64_t i = 0; i < count; ++i) {
            if (!deliver(i, work(i))) {
                return false;
            }
        }
        return true;
    }
    const std::int64_t window = 4 * static_cast<std::int64_t>(jobs);
    std::vector<std::optional<Result>> waiting(static_cast<std::size_t>(window));
    std::mutex mutex;
    std::condition_variable changed;
    std::int64_t nextToStart = 0;
    std::int64_t nextToDeliver = 0;
    bool stop = false;

    const auto worker = [&] {
        for (;;) {
            std::int64_t i = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] {
                    return stop || nextToStart >= count || nextToStart < nextToDeliver + window;
                });
                if (stop || nextToStart >= count) {
                    return;
                }
                i = nextToStart++;
            }
            Result result = work(i);
            {
                std::lock_guard lock(mutex);
                waiting[static_cast<std::size_t>(i % window)].emplace(std::move(result));
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    const int threadCount = static_cast<int>(std::min<std::int64_t>(jobs, count));
    threads.reserve(static_cast<std::size_t>(threadCount));
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(worker);
    }
    bool completed = true;
    for (std::int64_t i = 0; i < count; ++i) {
        std::optional<Result> ready;
        {
            std::unique_lock lock(mutex);
            auto& slot = waiting[static_cast<std::size_t>(i % window)];
            changed.wait(lock, [&] { return slot.has_value(); });
            ready.swap(slot);
        }
        const bool goOn = deliver(i, std::move(*ready));
        {
            std::lock_guard lock(mutex);
            nextToDeliver = i + 1;
            stop = !goOn;
        }
        changed.notify_all();
        if (!goOn) {
            completed = false;
            break;
        }
    }
    for (std::thread& t : threads) {
        t.join();
    }
    return completed;
}

}  // namespace zkc
