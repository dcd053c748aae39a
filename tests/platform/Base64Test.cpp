#include "platform/text/Base64.h"

#include <gtest/gtest.h>
#include <random>

namespace scrivlette {
namespace {

std::optional<std::vector<std::uint8_t>> decodeInPieces(const std::string& text,
                                                        std::size_t piece) {
    Base64Decoder decoder;
    for (std::size_t at = 0; at < text.size(); at += piece) {
        if (!decoder.feed(std::string_view(text).substr(at, piece))) {
            return std::nullopt;
        }
    }
    if (!decoder.finish()) {
        return std::nullopt;
    }
    return decoder.take();
}

TEST(Base64, RoundTripsWhateverTheLineBreaksAndPieces) {
    std::mt19937 random(7);
    for (std::size_t length : {0u, 1u, 2u, 3u, 4u, 5u, 57u, 1000u}) {
        std::vector<std::uint8_t> bytes(length);
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        const std::string encoded = encodeBase64(bytes);
        for (std::size_t lineLength : {1u, 3u, 5u, 68u, 76u}) {
            std::string wrapped;
            for (std::size_t at = 0; at < encoded.size(); at += lineLength) {
                wrapped += "\n\t" + encoded.substr(at, lineLength);
            }
            for (std::size_t piece : {1u, 2u, 7u, 4096u}) {
                SCOPED_TRACE(std::to_string(length) + " bytes, lines of " +
                             std::to_string(lineLength) + ", pieces of " + std::to_string(piece));
                EXPECT_EQ(decodeInPieces(wrapped, piece), bytes);
            }
        }
    }
}

TEST(Base64, RefusesWhatIsNotBase64) {
    for (const char* text :
         {"AAA*", "AAAAAA*A", "AA=A", "A===", "AAAA=", "AAAAA", "AA==AA==", "AAAA\x80"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(decodeInPieces(text, 4096), std::nullopt);
        EXPECT_EQ(decodeInPieces(text, 1), std::nullopt);
    }
    EXPECT_EQ(decodeInPieces("AAE", 4096), (std::vector<std::uint8_t>{0, 1}))
        << "padding may be left out";
}

} // namespace
} // namespace scrivlette
