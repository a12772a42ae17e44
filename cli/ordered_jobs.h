// Many files on several threads, shown in the order they were given: the
// workers read ahead of the printing by a small window only, so that the
// rows waiting to be printed stay few however many files there are.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace kelvane::cli {

// The threads `--jobs N` asks for: N, or every core for 0.
unsigned JobThreads(unsigned requested);

// Runs make(worker, i) for every i below `count` on `threads` threads
// (`worker` numbers the thread, from 0), and hands each result to
// emit(i, result) on the calling thread in order of i. A worker starts
// item i only once fewer than `window` items before it wait to be emitted.
// An exception out of make is thrown again by this function when its item's
// turn comes (the items before it have been emitted); the workers finish
// the items they hold and stop.
template <typename Result, typename Make, typename Emit>
void RunInOrder(size_t count, unsigned threads, size_t window, Make make, Emit emit) {
  if (window == 0) window = 1;
  struct Slot {
    std::optional<Result> result;
    std::exception_ptr error;
  };
  std::vector<Slot> ring(window);
  std::mutex mutex;
  std::condition_variable made, taken;
  size_t next = 0;     // the next item a worker takes
  size_t emitted = 0;  // items handed to emit
  bool stop = false;

  auto work = [&](unsigned worker) {
    for (;;) {
      size_t i = 0;
      {
        std::unique_lock lock(mutex);
        taken.wait(lock, [&] { return stop || next >= count || next < emitted + window; });
        if (stop || next >= count) return;
        i = next++;
      }
      Slot slot;
      try {
        slot.result.emplace(make(worker, i));
      } catch (...) {
        slot.error = std::current_exception();
      }
      {
        std::lock_guard lock(mutex);
        ring[i % window] = std::move(slot);
      }
      made.notify_all();
    }
  };

  std::vector<std::thread> pool;
  pool.reserve(threads);
  struct Join {
    std::vector<std::thread>& pool;
    std::mutex& mutex;
    std::condition_variable& taken;
    bool& stop;
    ~Join() {
      {
        std::lock_guard lock(mutex);
        stop = true;
      }
      taken.notify_all();
      for (std::thread& t : pool) t.join();
    }
  } join{pool, mutex, taken, stop};
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work, t);

  for (size_t i = 0; i < count; ++i) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      Slot& waiting = ring[i % window];
      made.wait(lock, [&] { return waiting.result.has_value() || waiting.error; });
      slot = std::move(waiting);
      waiting = Slot{};
      ++emitted;
    }
    taken.notify_all();
    if (slot.error) std::rethrow_exception(slot.error);
    emit(i, std::move(*slot.result));
  }
}

}  // namespace kelvane::cli
