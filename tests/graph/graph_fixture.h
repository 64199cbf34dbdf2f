// Shared set-up of the graph tests: the frames, caption tables, build date and console reset;
// a 632 x 453 canvas; and the drawing calls of a test read back from the call recorder as grid
// segments and texts.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bias/analysis_settings.h"
#include "diag/console.h"
#include "graph/catalogue.h"
#include "graph/format.h"
#include "graph/graph_frame.h"
#include "platform/gdi.h"
#include "platform/recorder.h"
#include "tests/support/canvas.h"

// The client area of the programs' window.
constexpr int client_width = 632;
constexpr int client_height = 453;

// One segment drawn with a pen: its two points and whether the pen was dotted.
struct Segment {
    int x1, y1, x2, y2;
    bool dotted;
};

inline bool operator==(const Segment& a, const Segment& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.dotted == b.dotted;
}

inline std::ostream& operator<<(std::ostream& out, const Segment& s) {
    return out << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")"
               << (s.dotted ? " dotted" : " solid");
}

// One text: its reference point, bytes and direction (0 horizontal, 1 vertical).
struct Text {
    int x, y;
    std::string text;
    int direction;
};

inline bool operator==(const Text& a, const Text& b) {
    return a.x == b.x && a.y == b.y && a.text == b.text && a.direction == b.direction;
}

inline std::ostream& operator<<(std::ostream& out, const Text& t) {
    return out << "(" << t.x << "," << t.y << ") \"" << t.text << "\" dir " << t.direction;
}

// One filled rectangle (rectangle with a solid brush): the corners it covers and its colour.
struct Fill {
    int x1, y1, x2, y2;
    gdi::Colour colour;
};

// The drawing operations of a recording in order.
struct Drawing {
    std::vector<Segment> segments;
    std::vector<Text> texts;
    std::vector<Fill> fills;
    // The kind of each operation in order: 's' segment, 't' text, 'f' fill.
    std::string order;
};

// Reads the recorder's calls as segments (polyline of two points, the selected pen's style),
// texts (text_out, direction from the selected font's escapement) and fills.
inline Drawing drawing_of(const gdi::Recorder& recorder) {
    Drawing d;
    int pen_style = gdi::ps_solid;
    int escapement = 0;
    gdi::Colour brush = 0;
    for (const gdi::Call& call : recorder.calls) {
        const std::vector<long long>& a = call.args;
        if (call.op == "create_pen" && !a.empty()) {
            pen_style = static_cast<int>(a[0]);
        } else if (call.op == "create_font" && a.size() >= 3) {
            escapement = static_cast<int>(a[2]);
        } else if (call.op == "create_solid_brush" && !a.empty()) {
            brush = static_cast<gdi::Colour>(a[0]);
        } else if (call.op == "polyline" && a.size() >= 4) {
            // The points are the last four arguments (a leading count is skipped).
            size_t i = a.size() - 4;
            d.segments.push_back({static_cast<int>(a[i]), static_cast<int>(a[i + 1]),
                                  static_cast<int>(a[i + 2]), static_cast<int>(a[i + 3]),
                                  pen_style == gdi::ps_dot});
            d.order += 's';
        } else if (call.op == "text_out" && a.size() >= 2) {
            d.texts.push_back({static_cast<int>(a[0]), static_cast<int>(a[1]), call.text,
                               escapement == 900 ? 1 : 0});
            d.order += 't';
        } else if (call.op == "rectangle" && a.size() >= 4) {
            d.fills.push_back({static_cast<int>(a[0]), static_cast<int>(a[1]),
                               static_cast<int>(a[2]) - 1, static_cast<int>(a[3]) - 1, brush});
            d.order += 'f';
        }
    }
    return d;
}

inline std::vector<Segment> solid_of(const std::vector<Segment>& segments, bool dotted) {
    std::vector<Segment> out;
    for (const Segment& s : segments) {
        if (s.dotted == dotted) out.push_back(s);
    }
    return out;
}

// The texts written at a row, in order.
inline std::vector<std::string> texts_at_row(const Drawing& d, int row) {
    std::vector<std::string> out;
    for (const Text& t : d.texts) {
        if (t.y == row) out.push_back(t.text);
    }
    return out;
}

// The whole content of a stream opened for update.
inline std::string stream_contents(std::FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&main_graph, 0, sizeof main_graph);
        std::memset(&upper_graph, 0, sizeof upper_graph);
        std::memset(&lower_graph, 0, sizeof lower_graph);
        std::memset(stage_graphs, 0, sizeof stage_graphs);
        std::strcpy(x_axis_labels[0], "入力");
        std::strcpy(y_axis_labels[0], "出力");
        saved_build_date = build_date;
        build_date = "Jul 27 1999";
        out = std::tmpfile();
        err = std::tmpfile();
        in = std::tmpfile();  // empty, and not a terminal: the wait for a key returns at once
        ASSERT_NE(out, nullptr);
        ASSERT_NE(err, nullptr);
        ASSERT_NE(in, nullptr);
        console_out = out;
        console_err = err;
        console_in = in;
        canvas = std::make_unique<Canvas>(client_width, client_height);
        gdi::set_recorder(&recorder);
    }

    void TearDown() override {
        gdi::set_recorder(nullptr);
        canvas.reset();
        console_out = nullptr;
        console_err = nullptr;
        console_in = nullptr;
        for (std::FILE* stream : {out, err, in}) {
            if (stream != nullptr) std::fclose(stream);
        }
        build_date = saved_build_date;
    }

    // What the test drew so far, and a fresh start for what it draws next.
    Drawing drawn() const { return drawing_of(recorder); }
    void forget_drawing() { recorder.calls.clear(); }

    std::string console_output() { return stream_contents(out); }

    gdi::Recorder recorder;
    std::unique_ptr<Canvas> canvas;
    std::FILE* out = nullptr;
    std::FILE* err = nullptr;
    std::FILE* in = nullptr;
    const char* saved_build_date = nullptr;
};
