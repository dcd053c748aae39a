#include "Node.h"

#include <algorithm>

namespace scrivlette::plist {

const std::string& Dictionary::Entry::keyString() const {
    return *key->asString();
}

const Node* Dictionary::find(std::string_view key) const {
    if (index_) {
        auto found = index_->find(key);
        return found == index_->end() ? nullptr : entries_[found->second].value.get();
    }
    for (const Entry& entry : entries_) {
        if (entry.keyString() == key) {
            return entry.value.get();
        }
    }
    return nullptr;
}

void DictionaryBuilder::add(NodePtr key, NodePtr value) {
    auto& entries = dictionary_.entries_;
    std::string_view keyText = *key->asString();
    if (entries.size() < indexThreshold) {
        auto same = std::find_if(entries.begin(), entries.end(), [&](const Dictionary::Entry& e) {
            return e.keyString() == keyText;
        });
        if (same != entries.end()) {
            same->value = std::move(value);
            return;
        }
        entries.push_back({std::move(key), std::move(value)});
        if (entries.size() == indexThreshold) {
            buildIndex();
        }
        return;
    }
    auto [slot, inserted] = index_.try_emplace(keyText, entries.size());
    if (!inserted) {
        entries[slot->second].value = std::move(value);
        return;
    }
    entries.push_back({std::move(key), std::move(value)});
}

void DictionaryBuilder::buildIndex() {
    const auto& entries = dictionary_.entries_;
    index_.reserve(entries.size() * 2);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        index_.emplace(entries[i].keyString(), i);
    }
}

Dictionary DictionaryBuilder::finish() {
    if (!index_.empty()) {
        dictionary_.index_ =
            std::make_shared<const std::unordered_map<std::string_view, std::size_t>>(
                std::move(index_));
    }
    index_ = {};
    return std::move(dictionary_);
}

NodePtr Node::makeString(std::string text) {
    // Made mutable, handed out const: takeString may still move the text out.
    return std::make_shared<Node>(std::move(text));
}

std::string takeString(const NodePtr& node) {
    const std::string* text = node ? node->asString() : nullptr;
    if (!text) {
        return {};
    }
    if (node.use_count() == 1) {
        return std::move(*const_cast<std::string*>(text));
    }
    return *text;
}
NodePtr Node::makeData(Bytes bytes) {
    return std::make_shared<const Node>(std::move(bytes));
}
NodePtr Node::makeInteger(Integer integer) {
    return std::make_shared<const Node>(integer);
}
NodePtr Node::makeReal(double real) {
    return std::make_shared<const Node>(real);
}
NodePtr Node::makeDate(Date date) {
    return std::make_shared<const Node>(date);
}
NodePtr Node::makeUid(Uid uid) {
    return std::make_shared<const Node>(uid);
}
NodePtr Node::makeArray(Array items) {
    return std::make_shared<const Node>(std::move(items));
}

NodePtr Node::makeDictionary(Dictionary dictionary) {
    return std::make_shared<const Node>(std::move(dictionary));
}

NodePtr Node::makeBoolean(bool flag) {
    // Booleans carry no identity, so two shared nodes serve every file.
    static const NodePtr trueNode = std::make_shared<const Node>(true);
    static const NodePtr falseNode = std::make_shared<const Node>(false);
    return flag ? trueNode : falseNode;
}

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Dictionary:
        return "dictionary";
    case Kind::Array:
        return "array";
    case Kind::String:
        return "string";
    case Kind::Data:
        return "data";
    case Kind::Integer:
        return "integer";
    case Kind::Real:
        return "real";
    case Kind::Boolean:
        return "boolean";
    case Kind::Date:
        return "date";
    case Kind::Uid:
        return "UID";
    }
    return "unknown";
}

} // namespace scrivlette::plist
