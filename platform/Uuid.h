#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {

// A 128-bit identifier; new ones are random (version 4).
class Uuid {
public:
    using Bytes = std::array<std::uint8_t, 16>;

    static Uuid random();
    static Uuid fromBytes(const Bytes& bytes) { return Uuid(bytes); }
    // Accepts the 36-character hyphenated form in either case.
    static std::optional<Uuid> parse(std::string_view text);

    // "E621E1F8-C36C-495A-93FC-0C247A3E6E5F": upper case, hyphenated.
    std::string toString() const;
    const Bytes& bytes() const { return bytes_; }

    friend bool operator==(const Uuid&, const Uuid&) = default;
    friend auto operator<=>(const Uuid&, const Uuid&) = default;

private:
    explicit Uuid(const Bytes& bytes) : bytes_(bytes) {}
    Bytes bytes_{};
};

} // namespace scrivlette

template <> struct std::hash<scrivlette::Uuid> {
    std::size_t operator()(const scrivlette::Uuid& uuid) const noexcept;
};
