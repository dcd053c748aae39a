#include "Background.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace scrivlette {
namespace {

class Worker {
public:
    ~Worker() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) {
            thread_.join(); // the queue is run to its end first
        }
    }

    void submit(std::function<void()> work) {
        {
            std::lock_guard lock(mutex_);
            work_.push_back(std::move(work));
            if (!thread_.joinable()) {
                thread_ = std::thread([this] { run(); });
            }
        }
        changed_.notify_all();
    }

    void finish() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return work_.empty() && !busy_; });
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        while (true) {
            changed_.wait(lock, [this] { return stopping_ || !work_.empty(); });
            if (work_.empty()) {
                return; // stopping, with nothing left
            }
            std::function<void()> next = std::move(work_.front());
            work_.pop_front();
            busy_ = true;
            lock.unlock();
            next();
            lock.lock();
            busy_ = false;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> work_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

Worker& worker() {
    static Worker instance;
    return instance;
}

} // namespace

void runInBackground(std::function<void()> work) {
    worker().submit(std::move(work));
}

void finishBackgroundWork() {
    worker().finish();
}

} // namespace scrivlette
