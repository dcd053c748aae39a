#pragma once

// XML and OpenStep property lists arrive as UTF-8, UTF-16 or UTF-32, with or
// without a byte-order mark. The readers work on UTF-8 only; this finds the
// encoding from the first bytes, turns the text into UTF-8 when it is not,
// and maps offsets in that UTF-8 back to the caller's bytes.

#include "formats/plist/Error.h"
#include "platform/Bytes.h"
#include "platform/Expected.h"

#include <string_view>

namespace scrivlette::plist {

class TextForm {
public:
    // The input's text as UTF-8, without its byte-order mark.
    std::string_view text() const { return utf8_.view().substr(skipped_); }
    // True when text() is a transcoded copy rather than the input itself.
    bool transcoded() const { return unitSize_ != 1; }
    // Where the byte at `offset` of text() stood in the input.
    std::size_t originalOffset(std::size_t offset) const;
    Error locate(Error error) const;

    friend Expected<TextForm, Error> decodeTextForm(const Bytes& input);

private:
    Bytes utf8_;
    std::size_t skipped_ = 0;    // a UTF-8 mark left in utf8_
    std::size_t markLength_ = 0; // in the input
    std::size_t unitSize_ = 1;   // bytes a code unit in the input: 1, 2 or 4
    std::size_t inputSize_ = 0;
};

// Fails only for UTF-16 or UTF-32 input that does not decode.
Expected<TextForm, Error> decodeTextForm(const Bytes& input);

} // namespace scrivlette::plist
