#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vellmora {

// work(i) for i = 0 .. count - 1, handed out one by one to a thread per core
// (the calling one among them); the first exception a call throws is thrown
// again when all are done. Calls for different i must not share mutable data.
template <typename Work>
void OnEveryCore(std::size_t count, const Work& work) {
  const std::size_t workers = std::min<std::size_t>(std::max(1U, std::thread::hardware_concurrency()), count);
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  const auto run = [&] {
    try {
      for (std::size_t i = next++; i < count; i = next++) work(i);
    } catch (...) {
      const std::lock_guard lock(failureLock);
      if (!failure) failure = std::current_exception();
      next = count;
    }
  };
  {
    std::vector<std::jthread> helpers;
    for (std::size_t w = 1; w < workers; ++w) helpers.emplace_back(run);
    run();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vellmora
