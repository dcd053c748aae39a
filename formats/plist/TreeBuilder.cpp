#include "TreeBuilder.h"

namespace scrivlette::plist {

std::optional<Error> TreeBuilder::beginArray(std::size_t offset) {
    return begin(false, offset);
}

std::optional<Error> TreeBuilder::beginDictionary(std::size_t offset) {
    return begin(true, offset);
}

std::optional<Error> TreeBuilder::begin(bool isDictionary, std::size_t offset) {
    if (stack_.size() >= maxNestingDepth) {
        return Error{ErrorKind::TooDeep, offset, "containers nested too deeply"};
    }
    if (root_) {
        return Error{ErrorKind::Malformed, offset, "more than one top-level object"};
    }
    if (inDictionary() && !hasPendingKey()) {
        return Error{ErrorKind::Malformed, offset, "dictionary value without a key"};
    }
    stack_.push_back(Frame{isDictionary, {}, {}, nullptr});
    return std::nullopt;
}

std::optional<Error> TreeBuilder::endContainer(std::size_t offset) {
    if (stack_.empty()) {
        return Error{ErrorKind::Malformed, offset, "container closed that was never opened"};
    }
    Frame& frame = stack_.back();
    if (frame.pendingKey) {
        return Error{ErrorKind::Malformed, offset, "dictionary key without a value"};
    }
    NodePtr node = frame.isDictionary ? Node::makeDictionary(frame.dictionary.finish())
                                      : Node::makeArray(std::move(frame.items));
    stack_.pop_back();
    return place(std::move(node), offset);
}

std::optional<Error> TreeBuilder::addKey(std::string key, std::size_t offset) {
    if (!inDictionary()) {
        return Error{ErrorKind::Malformed, offset, "key outside a dictionary"};
    }
    if (hasPendingKey()) {
        return Error{ErrorKind::Malformed, offset, "two keys in a row"};
    }
    stack_.back().pendingKey = Node::makeString(std::move(key));
    return std::nullopt;
}

std::optional<Error> TreeBuilder::addValue(NodePtr value, std::size_t offset) {
    if (inDictionary() && !hasPendingKey()) {
        return Error{ErrorKind::Malformed, offset, "dictionary value without a key"};
    }
    return place(std::move(value), offset);
}

std::optional<Error> TreeBuilder::place(NodePtr value, std::size_t offset) {
    if (stack_.empty()) {
        if (root_) {
            return Error{ErrorKind::Malformed, offset, "more than one top-level object"};
        }
        root_ = std::move(value);
        return std::nullopt;
    }
    Frame& frame = stack_.back();
    if (frame.isDictionary) {
        frame.dictionary.add(std::move(frame.pendingKey), std::move(value));
        frame.pendingKey = nullptr;
    } else {
        frame.items.push_back(std::move(value));
    }
    return std::nullopt;
}

} // namespace scrivlette::plist
