#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace scrivlette {

template <typename T> class Binding;

// A view's piece of state: a shared box that lives as long as the view or
// any binding to it, so a load that finishes after its window closed still
// has something harmless to write to.
template <typename T> class State {
public:
    explicit State(T initial) : box_(std::make_shared<Box>(std::move(initial))) {}

    const T& get() const { return box_->value; }
    void set(T value) {
        box_->value = std::move(value);
        if (box_->onChange) {
            box_->onChange();
        }
    }
    Binding<T> binding() const { return Binding<T>(box_); }

    // Told after every replacement, through the state or any binding to it.
    void onChange(std::function<void()> listener) { box_->onChange = std::move(listener); }

private:
    friend class Binding<T>;
    struct Box {
        explicit Box(T initial) : value(std::move(initial)) {}
        T value;
        std::function<void()> onChange;
    };
    std::shared_ptr<Box> box_;
};

// A two-way handle on a State: reads the current value and replaces it.
template <typename T> class Binding {
public:
    const T& get() const { return box_->value; }
    void set(T value) {
        box_->value = std::move(value);
        if (box_->onChange) {
            box_->onChange();
        }
    }

private:
    friend class State<T>;
    using Box = typename State<T>::Box;
    explicit Binding(std::shared_ptr<Box> box) : box_(std::move(box)) {}
    std::shared_ptr<Box> box_;
};

} // namespace scrivlette
