// The pen primitives and the connect operations, as exact pixels on small surfaces.
#include <cstring>
#include <limits>
#include <vector>

#include "platform/recorder.h"
#include "plot/mapping.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

class PenTest : public ::testing::Test {
protected:
    void SetUp() override { reset_plot_globals(); }

    Canvas canvas{10, 10};
    // Values are pixels: x maps to column 1 + x, y to row 9 - y.
    GraphFrame frame = pixel_frame(1, 9, 8, 8, 0, 8, 0, 8);

    void expect_picture(const Picture& expected) {
        EXPECT_EQ(canvas.picture(), expected) << side_by_side(expected, canvas.picture());
    }
};

TEST_F(PenTest, LineFirstSampleSetsOnePixelThenSegmentsFollow) {
    connect_line(frame, 2.0, 2.0, 3.0, 2, 0);
    EXPECT_EQ(canvas.count_of(2), 1);
    EXPECT_EQ(canvas.colour_at(3, 6), 2);
    EXPECT_EQ(frame.pen_x[0], 3);
    EXPECT_EQ(frame.pen_y[0], 6);

    connect_line(frame, 2.0, 6.0, 5.0, 2, 0);
    expect_picture({
        "7777777777",
        "7777777777",
        "7777777777",
        "7777777777",
        "7777772277",
        "7777227777",
        "7772777777",
        "7777777777",
        "7777777777",
        "7777777777",
    });
    EXPECT_EQ(frame.pen_x[0], 7);
    EXPECT_EQ(frame.pen_y[0], 4);
}

TEST_F(PenTest, StaircaseRunsAtThePreviousLevelThenRisesOrFalls) {
    connect_step(frame, 0.0, 0.0, 1.0, 1, 3);
    connect_step(frame, 0.0, 1.0, 3.0, 1, 3);
    connect_step(frame, 0.0, 2.0, 2.0, 1, 3);
    expect_picture({
        "7777777777",
        "7777777777",
        "7777777777",
        "7777777777",
        "7777777777",
        "7777777777",
        "7711777777",
        "7711777777",
        "7117777777",
        "7777777777",
    });
    EXPECT_EQ(frame.last_value[3], 2.0);
}

TEST_F(PenTest, FromStartJoinsTheFirstSampleToTheStartPoint) {
    connect_from_start(frame, 0.0, 0.0, 0.0, 5.0, 4, 0);
    connect_from_start(frame, 0.0, 0.0, 2.0, 5.0, 4, 0);
    expect_picture({
        "7777777777",
        "7777777777",
        "7777777777",
        "7777777777",
        "7444777777",
        "7477777777",
        "7477777777",
        "7477777777",
        "7477777777",
        "7477777777",
    });
}

TEST_F(PenTest, StemsRunToTheZeroRowFromAboveAndBelow) {
    GraphFrame f = pixel_frame(1, 9, 8, 8, 0, 8, -4, 4);  // value 0 on row 5
    connect_stem(f, 0.0, 2.0, -3.0, 5, 0);
    connect_stem(f, 0.0, 5.0, 2.0, 5, 0);
    expect_picture({
        "7777777777",
        "7777777777",
        "7777777777",
        "7777775777",
        "7777775777",
        "7775775777",
        "7775777777",
        "7775777777",
        "7775777777",
        "7777777777",
    });
    EXPECT_EQ(f.pen_x[0], 6);
    EXPECT_EQ(f.pen_y[0], 5);
}

TEST_F(PenTest, DashedIgnoresTheFramePenAndDrawsThinDashes) {
    Canvas wide(40, 3);
    GraphFrame f = pixel_frame(0, 2, 40, 2, 0, 40, 0, 2);
    f.line_dash = 0;   // solid, and
    f.line_width = 1;  // thick: neither applies to the dashed curve
    connect_dashed(f, 0.0, 0.0, 1.0, 9, 2);
    connect_dashed(f, 0.0, 30.0, 1.0, 9, 2);
    Picture expected = {
        "7777777777777777777777777777777777777777",
        "9999999999999999997777779999999777777777",
        "7777777777777777777777777777777777777777",
    };
    EXPECT_EQ(wide.picture(), expected) << side_by_side(expected, wide.picture());
    EXPECT_EQ(f.pen_x[2], 30);
}

TEST_F(PenTest, FirstSampleAwayFromTheStartJoinsThePreviousPen) {
    struct Case {
        const char* name;
        double x_start;
        double first_x;
        const char* row9;
    };
    const Case cases[] = {
        {"starts exactly at x_start: a new curve", 4.0, 4.0, "7000707777"},
        {"any other abscissa joins the previous pen", 0.0, 4.0, "7000007777"},
        {"a difference of one rounding step joins too", 4.0, 4.000000000000001, "7000007777"},
    };
    for (const Case& c : cases) {
        Canvas local(10, 10);
        GraphFrame f = frame;
        connect_line(f, 0.0, 0.0, 0.0, 0, 0);
        connect_line(f, 0.0, 2.0, 0.0, 0, 0);
        connect_line(f, c.x_start, c.first_x, 0.0, 0, 0);
        EXPECT_EQ(local.picture()[9], c.row9) << c.name;
    }
}

TEST_F(PenTest, AfterAFrameIsDrawnTheFirstJoinStartsAtTheLowerLeftCorner) {
    for (int slot = 0; slot < curve_slots; ++slot) {
        frame.pen_x[slot] = frame.left;
        frame.pen_y[slot] = frame.bottom;
    }
    connect_line(frame, 0.0, 3.0, 0.0, 1, 5);  // not the start: joined from (1, 9)
    EXPECT_EQ(canvas.picture()[9], "7111177777");
}

TEST_F(PenTest, SlotsOutsideTheTableAndSamplesWithoutAPixelDrawNothing) {
    GraphFrame before = frame;
    for (int slot : {-1, curve_slots, 1000, std::numeric_limits<int>::min()}) {
        connect_line(frame, 0.0, 0.0, 1.0, 2, slot);
        connect_step(frame, 0.0, 0.0, 1.0, 2, slot);
        connect_dashed(frame, 0.0, 0.0, 1.0, 2, slot);
        connect_from_start(frame, 0.0, 0.0, 0.0, 1.0, 2, slot);
        connect_stem(frame, 0.0, 1.0, 1.0, 2, slot);
        pen_move(frame, 1.0, 1.0, 2, slot);
        pen_line_to(frame, 1.0, 1.0, 2, slot);
    }
    EXPECT_EQ(canvas.count_of(2), 0);
    EXPECT_EQ(std::memcmp(&before, &frame, sizeof frame), 0);

    // A NaN sample leaves the pen where it stood; the next sample joins from there.
    connect_line(frame, 0.0, 0.0, 0.0, 2, 0);
    connect_line(frame, 0.0, 1.0, nan, 2, 0);
    connect_step(frame, 0.0, 1.0, nan, 2, 0);
    connect_stem(frame, 0.0, 1.0, nan, 2, 0);
    connect_dashed(frame, 0.0, 1.0, nan, 2, 0);
    EXPECT_EQ(canvas.count_of(2), 1);
    EXPECT_EQ(frame.pen_x[0], 1);
    EXPECT_EQ(frame.pen_y[0], 9);
    EXPECT_EQ(frame.last_value[0], 0.0);
    connect_line(frame, 0.0, 2.0, 0.0, 2, 0);
    EXPECT_EQ(canvas.picture()[9], "7222777777");
}

TEST_F(PenTest, FrameLineTakesItsPenFromTheFramesDashAndWidth) {
    struct Case {
        int line_dash, line_width;
        long long style, width;  // of the platform pen
    };
    const Case cases[] = {
        {0, 0, gdi::ps_solid, 1},  {1, 0, gdi::ps_dot, 1},    {2, 0, gdi::ps_dashdot, 1},
        {3, 0, gdi::ps_dash, 1},   {0, 1, gdi::ps_solid, 2},  {3, 1, gdi::ps_dash, 2},
        {4, 0, gdi::ps_solid, 1},  {-1, 0, gdi::ps_solid, 1}, {0, 2, gdi::ps_solid, 1},
        {0, -1, gdi::ps_solid, 1},
    };
    for (const Case& c : cases) {
        frame.line_dash = c.line_dash;
        frame.line_width = c.line_width;
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        frame_line(frame, 1, 1, 5, 1, 2);
        gdi::set_recorder(nullptr);
        std::vector<std::vector<long long>> pens;
        for (const gdi::Call& call : recorder.calls) {
            if (call.op == "create_pen") pens.push_back(call.args);
        }
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0][0], c.style) << c.line_dash << " " << c.line_width;
        EXPECT_EQ(pens[0][1], c.width) << c.line_dash << " " << c.line_width;
    }
}

TEST_F(PenTest, PenMoveSlot0IsPenMoveInSlotZero) {
    pen_move_slot0(frame, 4.0, 4.0, 6);
    EXPECT_EQ(frame.pen_x[0], 5);
    EXPECT_EQ(frame.pen_y[0], 5);
    EXPECT_EQ(canvas.colour_at(5, 5), 6);
    EXPECT_EQ(canvas.count_of(6), 1);
}

}  // namespace
