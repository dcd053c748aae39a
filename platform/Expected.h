#pragma once

#include <cassert>
#include <utility>
#include <variant>

namespace scrivlette {

// A value or the reason there is none. Kept deliberately small: std::expected
// arrives only with C++23.
template <typename T, typename E> class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    const T& value() const& {
        assert(hasValue());
        return std::get<0>(state_);
    }
    T& value() & {
        assert(hasValue());
        return std::get<0>(state_);
    }
    T&& value() && {
        assert(hasValue());
        return std::get<0>(std::move(state_));
    }
    const E& error() const {
        assert(!hasValue());
        return std::get<1>(state_);
    }

    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, E> state_;
};

} // namespace scrivlette
