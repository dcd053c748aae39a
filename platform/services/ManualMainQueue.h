#pragma once

#include "platform/services/MainQueue.h"

#include <deque>
#include <mutex>
#include <thread>

namespace scrivlette {

// A main queue whose owner runs the work by calling drain(). The thread that
// creates it is the main thread.
class ManualMainQueue final : public MainQueue {
public:
    ManualMainQueue();

    void submit(std::function<void()> work) override;
    bool isMainThread() const override;

    // Runs everything submitted so far, and whatever that work submits, in
    // order. Returns how many items ran.
    std::size_t drain();
    std::size_t pending() const;

private:
    std::thread::id mainThread_;
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> work_;
};

} // namespace scrivlette
