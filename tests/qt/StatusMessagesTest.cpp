#include "views/StatusMessages.h"

#include "views/FolderSteps.h"

#include <gtest/gtest.h>

namespace scrivlette {
namespace {

// The plain reason follows the fault's kind, and its place only where the
// bytes themselves are at fault; the reader's own words never decide it.
TEST(PlainReason, IsChosenByKindAndPlace) {
    constexpr std::size_t unplaced = ReadError::unplaced;
    const struct {
        ErrorKind kind;
        std::size_t offset;
        const char* plain;
    } cases[] = {
        {ErrorKind::NotAClipping, unplaced, "not a clipping file"},
        {ErrorKind::NoPermission, unplaced, "no permission to read it"},
        {ErrorKind::NotFound, unplaced, "it is not there any more"},
        {ErrorKind::NotAFile, unplaced, "not a file"},
        {ErrorKind::NotLocal, unplaced, "not a file on this computer"},
        {ErrorKind::Empty, unplaced, "empty, and no companion file holds its content"},
        {ErrorKind::Empty, 0, "damaged: its content cannot be read"},
        {ErrorKind::UnknownFormat, 0, "damaged: its content cannot be read"},
        {ErrorKind::Truncated, 8, "damaged: the file ends early, at byte 8"},
        {ErrorKind::Truncated, unplaced, "damaged: the file ends early"},
        {ErrorKind::BadReference, 40, "damaged at byte 40"},
        {ErrorKind::Malformed, unplaced, "damaged: not laid out as a clipping"},
    };
    for (const auto& c : cases) {
        // Words that once decided the reason by themselves decide nothing now.
        const ReadFailureNote note{"x", {c.kind, c.offset, "Permission denied, cut short"}};
        EXPECT_EQ(plainReason(note).toStdString(), c.plain) << int(c.kind) << " " << c.offset;
    }
}

// Each name before the next, never after: digits by value, leading zeros
// aside, case aside until nothing else tells names apart.
TEST(NaturalOrder, IsTheFileManagersOrder) {
    const char* const ordered[] = {
        "",         "a",       "Clip",     "clip 1",    "Clip 2",
        "clip 02x", "Clip 10", "Clip 10a", "clip 010b", "Clip 9999999999999999999",
        "clipb"};
    for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
        const QString a = QString::fromUtf8(ordered[i]);
        const QString b = QString::fromUtf8(ordered[i + 1]);
        EXPECT_TRUE(naturallyBefore(a, b)) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_FALSE(naturallyBefore(b, a)) << ordered[i + 1] << " < " << ordered[i];
    }
    EXPECT_TRUE(naturallyBefore(QStringLiteral("CLIP"), QStringLiteral("clip")))
        << "equal but for case: by their exact text";
    EXPECT_FALSE(naturallyBefore(QStringLiteral("x"), QStringLiteral("x")));
}

} // namespace
} // namespace scrivlette
