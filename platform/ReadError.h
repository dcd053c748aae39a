#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace scrivlette {

// What is wrong with a file's bytes, in the same terms for every format.
enum class ErrorKind {
    Empty,         // no bytes, or nothing but whitespace
    UnknownFormat, // not the format it was read as
    Truncated,     // the bytes end inside something
    Malformed,     // structure the format does not allow
    BadReference,  // an offset or reference outside the file
    Cycle,         // a container that contains itself
    TooDeep,       // containers nested past the bound
    InvalidText,   // a string that is not valid in its encoding
    InvalidData,   // data that is not valid base64 or hex
    Unsupported,   // valid, but nothing this program reads
    TooLarge,      // more work or memory than the file may ask for
    // Not the bytes but the file: what the system or the file's type says.
    NotFound,     // no file there (any more)
    NoPermission, // the system will not let it be read or written
    NotAFile,     // a folder, a device, a pipe where a file was wanted
    FileSystem,   // any other failure of the system to read or write it
    NotAClipping, // a file, but not of a kind this program reads
    NotLocal,     // an address that names no file on this computer
};

// A fault found in a file: its kind, the byte offset where it was found and
// a message for people.
struct ReadError {
    // The offset of a fault found where no offset was at hand; the reader's
    // boundary puts in where it was.
    static constexpr std::size_t unplaced = static_cast<std::size_t>(-1);

    ErrorKind kind = ErrorKind::Malformed;
    std::size_t offset = 0;
    std::string message;

    // One line: "<message> at byte <offset>", or the message alone where
    // the offset is unplaced.
    std::string describe() const;
    bool placed() const { return offset != unplaced; }

    // A fault without a place in the bytes.
    static ReadError of(ErrorKind kind, std::string message) {
        return {kind, unplaced, std::move(message)};
    }
};

// A ReadError thrown from deep inside a reader and caught at its boundary,
// so no check can be forgotten between the two. what() is the message alone.
class ReadFailure : public std::runtime_error {
public:
    explicit ReadFailure(ReadError error)
        : std::runtime_error(error.message), error_(std::move(error)) {}
    // A fault whose place the reader's boundary supplies.
    explicit ReadFailure(const std::string& message, ErrorKind kind = ErrorKind::Malformed)
        : ReadFailure(ReadError{kind, ReadError::unplaced, message}) {}

    const ReadError& error() const { return error_; }

private:
    ReadError error_;
};

} // namespace scrivlette
