#pragma once

#include "formats/plist/Error.h"

#include <optional>
#include <vector>

namespace scrivlette::plist {

// Assembles a tree from a stream of events without recursion, for the text
// formats. It owns the nesting bound and the dictionary key/value pairing.
class TreeBuilder {
public:
    std::optional<Error> beginArray(std::size_t offset);
    std::optional<Error> beginDictionary(std::size_t offset);
    std::optional<Error> endContainer(std::size_t offset);
    std::optional<Error> addKey(std::string key, std::size_t offset);
    std::optional<Error> addValue(NodePtr value, std::size_t offset);

    std::size_t depth() const { return stack_.size(); }
    bool inDictionary() const { return !stack_.empty() && stack_.back().isDictionary; }
    bool hasPendingKey() const { return !stack_.empty() && stack_.back().pendingKey != nullptr; }
    bool hasRoot() const { return root_ != nullptr; }
    NodePtr takeRoot() { return std::move(root_); }

private:
    struct Frame {
        bool isDictionary = false;
        Array items;
        DictionaryBuilder dictionary;
        NodePtr pendingKey;
    };
    std::optional<Error> begin(bool isDictionary, std::size_t offset);
    std::optional<Error> place(NodePtr value, std::size_t offset);

    std::vector<Frame> stack_;
    NodePtr root_;
};

} // namespace scrivlette::plist
