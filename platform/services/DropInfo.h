#pragma once

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

inline constexpr std::string_view fileUrlType = "public.file-url";

// One item of a drag, which loads itself on request.
class ItemProvider {
public:
    // The item (none when nothing could be loaded), and an error or none.
    using Completion =
        std::function<void(std::optional<std::any> item, std::optional<std::string> error)>;

    virtual ~ItemProvider() = default;

    // Loads the item as `typeIdentifier` in the background and calls
    // `completion` once, on a thread of the provider's choosing. A file URL
    // arrives as Bytes holding its data representation.
    virtual void loadItem(std::string_view typeIdentifier, Completion completion) = 0;
};

// What a drag over the window holds.
class DropInfo {
public:
    virtual ~DropInfo() = default;
    virtual bool hasItemsConforming(const std::vector<std::string>& types) const = 0;
    // The providers of the conforming items, in the drag's order.
    virtual std::vector<std::shared_ptr<ItemProvider>>
    itemProviders(const std::vector<std::string>& types) const = 0;
};

} // namespace scrivlette
