#include "ObservationRegistrar.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace scrivlette {
namespace {

// One call of withObservationTracking: fires once, then forgets its observations.
struct Tracking {
    std::function<void()> onChange;
    bool fired = false;
};

struct Access {
    std::weak_ptr<ObservationRegistrar::State> registrar;
    std::string keyPath;
};

// The reads made by the withObservationTracking call running on this thread.
thread_local std::vector<Access>* currentAccesses = nullptr;

} // namespace

struct ObservationRegistrar::State {
    struct Observer {
        std::string keyPath;
        std::shared_ptr<Tracking> tracking;
    };
    std::vector<Observer> observers;
    std::vector<std::weak_ptr<ChangeListener>> listenerHandles;

    void notify(KeyPath keyPath, Phase phase) {
        // Listeners may drop their handles while being told; work on a copy.
        std::vector<std::shared_ptr<ChangeListener>> current;
        for (const auto& handle : listenerHandles) {
            if (auto listener = handle.lock()) {
                current.push_back(std::move(listener));
            }
        }
        for (const auto& listener : current) {
            (*listener)(keyPath, phase);
        }
    }
};

ObservationRegistrar::ObservationRegistrar() : state_(std::make_shared<State>()) {}

ObservationRegistrar::~ObservationRegistrar() = default;

void ObservationRegistrar::access(KeyPath keyPath) const {
    if (currentAccesses) {
        currentAccesses->push_back({state_, std::string(keyPath)});
    }
}

void ObservationRegistrar::willSet(KeyPath keyPath) {
    std::vector<std::shared_ptr<Tracking>> due;
    auto& observers = state_->observers;
    for (auto it = observers.begin(); it != observers.end();) {
        if (it->tracking->fired) {
            it = observers.erase(it);
        } else if (it->keyPath == keyPath) {
            due.push_back(it->tracking);
            it = observers.erase(it);
        } else {
            ++it;
        }
    }
    state_->notify(keyPath, Phase::willSet);
    for (const auto& tracking : due) {
        if (!tracking->fired) {
            tracking->fired = true;
            auto onChange = std::move(tracking->onChange);
            onChange();
        }
    }
}

void ObservationRegistrar::didSet(KeyPath keyPath) {
    state_->notify(keyPath, Phase::didSet);
}

std::shared_ptr<void> ObservationRegistrar::listen(ChangeListener listener) {
    auto handle = std::make_shared<ChangeListener>(std::move(listener));
    auto& handles = state_->listenerHandles;
    handles.erase(std::remove_if(handles.begin(), handles.end(),
                                 [](const auto& weak) { return weak.expired(); }),
                  handles.end());
    handles.push_back(handle);
    return handle;
}

void withObservationTracking(const std::function<void()>& apply, std::function<void()> onChange) {
    std::vector<Access> accesses;
    {
        // Restores the enclosing tracking even if `apply` throws.
        struct Scope {
            std::vector<Access>* outer;
            ~Scope() { currentAccesses = outer; }
        } scope{std::exchange(currentAccesses, &accesses)};
        apply();
    }

    auto tracking = std::make_shared<Tracking>();
    tracking->onChange = std::move(onChange);
    for (const Access& access : accesses) {
        auto registrar = access.registrar.lock();
        if (!registrar) {
            continue;
        }
        auto& observers = registrar->observers;
        const bool known = std::any_of(observers.begin(), observers.end(), [&](const auto& o) {
            return o.tracking == tracking && o.keyPath == access.keyPath;
        });
        if (!known) {
            observers.push_back({access.keyPath, tracking});
        }
    }
}

} // namespace scrivlette
