#pragma once

#include <functional>
#include <memory>

namespace scrivlette {

// The queue of work for the main thread. The application installs one that
// posts to the GUI event loop; tests and the command-line tool install a
// ManualMainQueue and drain it themselves.
class MainQueue {
public:
    virtual ~MainQueue() = default;

    // Runs `work` on the main thread later, after everything submitted before it.
    virtual void submit(std::function<void()> work) = 0;
    virtual bool isMainThread() const = 0;

    static void install(std::shared_ptr<MainQueue> queue);
    // The installed queue. When none was installed, a ManualMainQueue bound
    // to the calling thread is installed first.
    static std::shared_ptr<MainQueue> main();
};

} // namespace scrivlette
