#include "QtMainQueue.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace scrivlette {

QtMainQueue::QtMainQueue() : receiver_(std::make_unique<QObject>()) {}

QtMainQueue::~QtMainQueue() = default;

void QtMainQueue::submit(std::function<void()> work) {
    // Queued calls to one receiver are delivered in the order they were posted.
    QMetaObject::invokeMethod(
        receiver_.get(), [work = std::move(work)] { work(); }, Qt::QueuedConnection);
}

bool QtMainQueue::isMainThread() const {
    return QThread::currentThread() == receiver_->thread();
}

} // namespace scrivlette
