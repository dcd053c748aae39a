#include "platform/image/Spans.h"

#include "platform/image/Budget.h"
#include "platform/image/Canvas.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivlette::image {
namespace {

// A shape drawn as rows of '#' and '.', for tables that show what it covers.
std::string picture(const Spans& shape) {
    std::string out;
    for (std::int64_t y = 0; y < shape.height(); ++y) {
        for (std::int64_t x = 0; x < shape.width(); ++x) {
            out += shape.contains(x, y) ? '#' : '.';
        }
        out += '\n';
    }
    return out;
}

// Each shape covers the pixels whose centres it holds, cut to the canvas; the
// set operations and moves keep exactly what they say.
TEST(Spans, CoverThePixelsTheirShapesHold) {
    const Extent e{6, 4};
    const Spans box = Spans::rect(e, 1, 1, 5, 3);
    const Spans left = Spans::rect(e, -3, 0, 2, 4);
    const Point triangle[] = {{0, 0}, {6, 0}, {0, 4}};
    const struct {
        const char* name;
        Spans shape;
        const char* covers;
    } cases[] = {
        {"rect", box, "......\n.####.\n.####.\n......\n"},
        {"rect cut to the canvas", left, "##....\n##....\n##....\n##....\n"},
        {"minus", box.minus(left), "......\n..###.\n..###.\n......\n"},
        {"intersect", box.intersect(left), "......\n.#....\n.#....\n......\n"},
        {"moved off the edge", box.moved(3, 1), "......\n......\n....##\n....##\n"},
        {"oval", Spans::oval(e, 0, 0, 6, 4), ".####.\n######\n######\n.####.\n"},
        {"polygon, even-odd", Spans::polygon(e, triangle), "#####.\n####..\n##....\n#.....\n"},
        {"empty rect", Spans::rect(e, 3, 3, 3, 4), "......\n......\n......\n......\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(picture(c.shape), c.covers);
        std::int64_t pixels = 0;
        for (char ch : std::string(c.covers)) {
            pixels += ch == '#';
        }
        EXPECT_EQ(c.shape.area(), pixels) << "area agrees with contains";
    }
}

// Building a shape charges its rows to the canvas's budget, and a shape of
// more pieces than it may hold is refused before it is held.
TEST(Spans, AreChargedToTheirBudget) {
    std::int64_t charged = 0;
    const SpanBudget budget([&](std::int64_t units) { charged += units; }, 20);
    const Extent e{100, 100, &budget};
    Spans::rect(e, 0, 10, 50, 20);
    EXPECT_GT(charged, 0);
    const Point zigzag[] = {{0, 0}, {10, 90}, {20, 0}, {30, 90}, {40, 0}, {50, 90}, {0, 99}};
    EXPECT_THROW(Spans::polygon(e, zigzag), BudgetExceeded) << "three pieces a row, past 20";
}

// A canvas fitted to a box draws at the box's scale and keeps its shape;
// painting averages what meets in one pixel.
TEST(Canvas, FitsItsBoxAndAveragesWhatItShrinks) {
    const struct {
        Rect frame;
        std::optional<Fit> fit;
        double scaleX, scaleY;
    } cases[] = {
        {{0, 0, 100, 200}, std::nullopt, 1, 1},
        {{0, 0, 100, 200}, Fit{50, 50}, 0.25, 0.25},
        {{0, 0, 10, 10}, Fit{50, 50}, 1, 1}, // never drawn larger
    };
    for (const auto& c : cases) {
        const Canvas canvas(c.frame, 1 << 20, c.fit);
        EXPECT_DOUBLE_EQ(canvas.scaleX(), c.scaleX);
        EXPECT_DOUBLE_EQ(canvas.scaleY(), c.scaleY);
    }
    Canvas half({0, 0, 1, 2}, 1 << 20, Fit{1, 1});
    half.paintRows(2, 1, {0, 0, 1, 2}, {0, 0, 1, 2}, [](std::uint32_t, std::uint8_t* out) {
        const std::uint8_t row[] = {255, 0, 0, 255, 0, 0, 255, 255};
        std::copy(std::begin(row), std::end(row), out);
    });
    const Image shrunk = half.take();
    ASSERT_EQ(shrunk.width, 1u);
    EXPECT_NEAR(shrunk.rgba[0], 128, 1);
    EXPECT_NEAR(shrunk.rgba[2], 128, 1);
}

} // namespace
} // namespace scrivlette::image
