#include "ManualMainQueue.h"

#include <cassert>

namespace scrivlette {

ManualMainQueue::ManualMainQueue() : mainThread_(std::this_thread::get_id()) {}

void ManualMainQueue::submit(std::function<void()> work) {
    std::lock_guard lock(mutex_);
    work_.push_back(std::move(work));
}

bool ManualMainQueue::isMainThread() const {
    return std::this_thread::get_id() == mainThread_;
}

std::size_t ManualMainQueue::drain() {
    assert(isMainThread());
    std::size_t ran = 0;
    while (true) {
        std::function<void()> next;
        {
            std::lock_guard lock(mutex_);
            if (work_.empty()) {
                return ran;
            }
            next = std::move(work_.front());
            work_.pop_front();
        }
        next();
        ++ran;
    }
}

std::size_t ManualMainQueue::pending() const {
    std::lock_guard lock(mutex_);
    return work_.size();
}

} // namespace scrivlette
