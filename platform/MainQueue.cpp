#include "MainQueue.h"

#include "platform/ManualMainQueue.h"

#include <cassert>
#include <mutex>

namespace scrivlette {
namespace {

std::mutex installedMutex;
std::shared_ptr<MainQueue> installed;

} // namespace

void MainQueue::install(std::shared_ptr<MainQueue> queue) {
    std::lock_guard lock(installedMutex);
    installed = std::move(queue);
}

std::shared_ptr<MainQueue> MainQueue::main() {
    std::lock_guard lock(installedMutex);
    if (!installed) {
        installed = std::make_shared<ManualMainQueue>();
    }
    return installed;
}

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
