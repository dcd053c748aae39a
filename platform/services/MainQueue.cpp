#include "MainQueue.h"

#include "platform/services/ManualMainQueue.h"

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

} // namespace scrivlette
