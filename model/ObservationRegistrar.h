#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace scrivlette {

// Names one observable property of one object.
using KeyPath = std::string_view;

// Records which observers read which property and tells them of changes, one
// property at a time. Reads are recorded only inside withObservationTracking.
class ObservationRegistrar {
public:
    enum class Phase { willSet, didSet };
    using ChangeListener = std::function<void(KeyPath, Phase)>;

    ObservationRegistrar();
    ~ObservationRegistrar();
    ObservationRegistrar(const ObservationRegistrar&) = delete;
    ObservationRegistrar& operator=(const ObservationRegistrar&) = delete;

    void access(KeyPath keyPath) const;
    void willSet(KeyPath keyPath);
    void didSet(KeyPath keyPath);

    template <typename Mutation> void withMutation(KeyPath keyPath, Mutation&& mutation) {
        willSet(keyPath);
        std::forward<Mutation>(mutation)();
        didSet(keyPath);
    }

    // Hears every before- and after-notice until the returned handle is dropped.
    [[nodiscard]] std::shared_ptr<void> listen(ChangeListener listener);

    struct State;

private:
    std::shared_ptr<State> state_;
};

// Runs `apply`, remembering every property it read through a registrar; the
// first time any of them is about to change, `onChange` runs, once.
void withObservationTracking(const std::function<void()>& apply, std::function<void()> onChange);

} // namespace scrivlette
