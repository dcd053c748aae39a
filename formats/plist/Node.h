#pragma once

#include "platform/Bytes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace scrivlette::plist {

class Node;
using NodePtr = std::shared_ptr<const Node>;

enum class Kind { Dictionary, Array, String, Data, Integer, Real, Boolean, Date, Uid };

struct Integer {
    // Property lists hold integers up to 2^64 - 1; values above INT64_MAX are
    // kept in `value` bit for bit with `isUnsigned` set.
    std::int64_t value = 0;
    bool isUnsigned = false;

    friend bool operator==(const Integer&, const Integer&) = default;
};

struct Date {
    double secondsSince2001 = 0; // the reference date of property lists
    friend bool operator==(const Date&, const Date&) = default;
};

struct Uid {
    std::uint64_t value = 0;
    friend bool operator==(const Uid&, const Uid&) = default;
};

using Array = std::vector<NodePtr>;

// Keys stay in the order the file gives them; a key repeated in the file
// keeps the place of its first occurrence and the value of its last.
class Dictionary {
public:
    struct Entry {
        NodePtr key; // always a string node, shared with every other use of it
        NodePtr value;
        const std::string& keyString() const;
    };

    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Node* find(std::string_view key) const;

private:
    friend class DictionaryBuilder;
    std::vector<Entry> entries_;
    // Only large dictionaries get an index; a linear scan beats hashing below it.
    std::shared_ptr<const std::unordered_map<std::string_view, std::size_t>> index_;
};

class DictionaryBuilder {
public:
    void add(NodePtr key, NodePtr value);
    Dictionary finish();
    std::size_t size() const { return dictionary_.entries_.size(); }

private:
    static constexpr std::size_t indexThreshold = 16;
    void buildIndex();

    Dictionary dictionary_;
    std::unordered_map<std::string_view, std::size_t> index_;
};

class Node {
public:
    using Value =
        std::variant<Dictionary, Array, std::string, Bytes, Integer, double, bool, Date, Uid>;

    explicit Node(Value value) : value_(std::move(value)) {}

    static NodePtr makeString(std::string text);
    static NodePtr makeData(Bytes bytes);
    static NodePtr makeInteger(Integer integer);
    static NodePtr makeReal(double real);
    static NodePtr makeBoolean(bool flag);
    static NodePtr makeDate(Date date);
    static NodePtr makeUid(Uid uid);
    static NodePtr makeArray(Array items);
    static NodePtr makeDictionary(Dictionary dictionary);

    Kind kind() const { return static_cast<Kind>(value_.index()); }

    // Each returns null when the node is of another kind.
    const Dictionary* asDictionary() const { return std::get_if<Dictionary>(&value_); }
    const Array* asArray() const { return std::get_if<Array>(&value_); }
    const std::string* asString() const { return std::get_if<std::string>(&value_); }
    const Bytes* asData() const { return std::get_if<Bytes>(&value_); }
    const Integer* asInteger() const { return std::get_if<Integer>(&value_); }
    const double* asReal() const { return std::get_if<double>(&value_); }
    const bool* asBoolean() const { return std::get_if<bool>(&value_); }
    const Date* asDate() const { return std::get_if<Date>(&value_); }
    const Uid* asUid() const { return std::get_if<Uid>(&value_); }

private:
    Value value_;
};

// A string node's text, moved out when `node` is its one owner (a reader
// about to drop the tree: text that can be hundreds of megabytes is then
// never copied), else copied; "" for other nodes.
std::string takeString(const NodePtr& node);

const char* kindName(Kind kind);

} // namespace scrivlette::plist
