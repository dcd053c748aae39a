#pragma once

#include "platform/services/MainQueue.h"

#include <memory>

class QObject;

namespace scrivlette {

// Runs submitted work on the GUI thread's event loop, one item at a time, in
// the order submitted. Make it on the GUI thread once the application exists.
class QtMainQueue final : public MainQueue {
public:
    QtMainQueue();
    ~QtMainQueue() override;

    void submit(std::function<void()> work) override;
    bool isMainThread() const override;

private:
    std::unique_ptr<QObject> receiver_;
};

} // namespace scrivlette
