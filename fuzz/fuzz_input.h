// The input format of the graphing fuzz target: what one input asks the graphing layer to do,
// and the two ways through it. Decoding reads the bytes front to back in fixed-width fields
// (a selector byte and a payload per number) and turns them into values with a bias toward
// the values that break things (NaN, the infinities, 1e308, denormals, INT_MIN); bytes past
// the end of the input read as 0. Encoding writes a case back as bytes that decode to exactly
// its values; the seed writer uses it, so the seeds and the decoder can never drift apart.
//
// Both go through one list of fields, exchange_case, so the order of the fields is written
// down once.
#pragma once

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "bias/analysis_settings.h"
#include "plot/traces.h"

namespace fuzz {

// The counts an input may give; the sweeps themselves take any count (they cost one callback
// call per sample and draw one or two samples per pixel column). What one input may ask for in
// all is held further by the fuzz target's work budget.
constexpr int max_sample_count = 20000;
// Up to the twelve curves of a program's run.
constexpr int max_curves = 12;
constexpr int max_callback_values = 64;
// The caller's own texts for the legends: longer than any field of the record.
constexpr int caller_text_size = 128;
constexpr int caller_text_count = 4;

// What the callback writes besides its value, once per call (a callback may write any global).
enum SideEffect : int {
    effect_none,
    effect_trace_count,
    effect_trace_value,
    effect_sample_count,
    effect_time_count,
    effect_sweep_from,
    effect_sweep_to,
    effect_marker_size,
    effect_plot_style,
    effect_panel,
    effect_main_width,
    effect_main_x_max,
    effect_main_y_min,
    effect_stage_width,
    effect_curve_count,
    effect_legend_count,
    effect_graph_kind,
    effect_count
};

// One plot_curve of a run with the legend rows and the cell text written after it.
struct CurveCall {
    int colour;
    int with_title;  // odd: plot_curve_with, with caller text (title_text) as the title
    int title_text;  // index of a caller text, any other value a null title
    int with_colour;
    int base_row;
    int row;
    int offset;
    int column;
    int cell_row;
    double value;
    int int_value;
    int legend_colour;
};

// The shapes in value coordinates drawn after the sweeps.
struct ShapeCall {
    double x1, y1, x2, y2, r, step;
    int size;
    int colour;
};

struct FuzzCase {
    int kind;
    int legend_graph_kind;  // graph_kind, read by the cell texts
    int curve_calls;
    int second_kind;  // the kind of the auxiliary plot entry and of a second run
    int skip_end_run;
    AnalysisSettings settings;
    CurveCall calls[max_curves];
    char texts[caller_text_count][caller_text_size + 1];
    int text_is_null[caller_text_count];
    int callback_value_count;
    double callback_values[max_callback_values];
    int side_effect;
    int side_slot;
    int with_variable;
    ShapeCall shapes;
    int trace_count;
    double trace_value[trace_capacity];
    double trace_scale[trace_capacity];
    double trace_offset[trace_capacity];
    int trace_colour[trace_capacity];
    int trace_marker_size[trace_capacity];
    int trace_plot_style[trace_capacity];
    int trace_line_dash[trace_capacity];
    int trace_line_width[trace_capacity];
    int trace_marker_shape[trace_capacity];
};

// The special values a number field often takes.
inline const double special_doubles[] = {
    0.0,
    -0.0,
    1.0,
    -1.0,
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::max(),
    -std::numeric_limits<double>::max(),
    std::numeric_limits<double>::min(),
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    std::numeric_limits<double>::epsilon(),
    1e308,
    1e-308,
    1e15,
    1e-15,
    1e9,
    1800.0,
    -1800.0,
    0.4,
    0.8,
    0.0014,
    0.0026,
    4611686018427387904.0,  // 2^62
    9.2233720368547758e18,  // 2^63
    2147483648.0,           // 2^31
    -2147483649.0,
};
inline const int special_ints[] = {0,  1,  -1,  2,   INT_MIN, INT_MAX,    INT_MIN + 1, INT_MAX - 1,
                                   25, 26, 138, 139, 1 << 24, -(1 << 24), 4096,        4097};

// Reads the fields front to back.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    void number(double& value) {
        const int selector = byte();
        const std::uint64_t u = bits(8);
        switch (selector % 8) {
            case 0:
                value = special_doubles[u % std::size(special_doubles)];
                break;
            case 1:  // -10..10
                value = -10.0 + 20.0 * (static_cast<double>(u >> 11) / 9007199254740992.0);
                break;
            case 2: {  // any power of ten a double holds, and a little beyond
                const double mantissa =
                    1.0 + 9.0 * (static_cast<double>(u & 0xffffffff) / 4294967296.0);
                const int exponent = static_cast<int>((u >> 32) % 650) - 330;
                value = ((u >> 63) ? -1.0 : 1.0) * mantissa * std::pow(10.0, exponent);
                break;
            }
            case 4:  // whole numbers
                value = static_cast<double>(static_cast<std::int64_t>(u % 4001) - 2000);
                break;
            case 5:  // 0..1
                value = static_cast<double>(u >> 11) / 9007199254740992.0;
                break;
            default:  // any bit pattern
                std::memcpy(&value, &u, sizeof value);
                break;
        }
    }

    // Mostly low..high, sometimes any int or a special one.
    void integer(int& value, int low, int high) {
        const int selector = byte();
        const std::uint32_t u = static_cast<std::uint32_t>(bits(4));
        switch (selector % 4) {
            case 1:
                value = static_cast<int>(u);
                break;
            case 2:
                value = special_ints[u % std::size(special_ints)];
                break;
            default:
                value = low + static_cast<int>(u % static_cast<std::uint32_t>(high - low + 1));
                break;
        }
    }

    // Always low..high.
    void choice(int& value, int low, int high) {
        const std::uint32_t u = static_cast<std::uint32_t>(bits(4));
        value = low + static_cast<int>(u % static_cast<std::uint32_t>(high - low + 1));
    }

    // A sample count: at most max_sample_count, often small, sometimes 0 or negative.
    void count(int& value) {
        const int selector = byte();
        const std::uint32_t u = static_cast<std::uint32_t>(bits(4));
        switch (selector % 4) {
            case 1:
                value = static_cast<int>(u % (max_sample_count + 1));
                break;
            case 2:
                value = special_ints[u % 4];  // 0, 1, -1, 2
                if (u & 4) value = INT_MIN;
                break;
            default:
                value = -3 + static_cast<int>(u % 304);
                break;
        }
    }

    // A text field of `size` bytes filled with as many bytes as the length byte says, up to
    // the whole field: a length of `size` or more leaves no terminator. A zero byte inside the
    // chosen length becomes a blank, so the length is what was chosen.
    void text(char* field, int size) {
        const int length = byte();
        const int used = length < size ? length : size;
        std::memset(field, 0, static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) {
            const int b = byte();
            if (i < used) field[i] = static_cast<char>(b == 0 ? ' ' : b);
        }
    }

private:
    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint64_t bits(int bytes) {
        std::uint64_t u = 0;
        for (int i = 0; i < bytes; ++i) u |= static_cast<std::uint64_t>(byte()) << (8 * i);
        return u;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Writes the fields so that Reader gives back exactly the same values.
class Writer {
public:
    std::vector<std::uint8_t> bytes;

    void number(double& value) {
        bytes.push_back(3);  // any bit pattern
        std::uint64_t u = 0;
        std::memcpy(&u, &value, sizeof u);
        put(u, 8);
    }
    void integer(int& value, int, int) {
        bytes.push_back(1);  // any int
        put(static_cast<std::uint32_t>(value), 4);
    }
    void choice(int& value, int low, int) { put(static_cast<std::uint32_t>(value - low), 4); }
    void count(int& value) {
        if (value >= 0 && value <= max_sample_count) {
            bytes.push_back(1);
            put(static_cast<std::uint32_t>(value), 4);
        } else {
            bytes.push_back(0);  // -3..300
            put(static_cast<std::uint32_t>(value + 3), 4);
        }
    }
    void text(char* field, int size) {
        const int length = static_cast<int>(strnlen(field, static_cast<std::size_t>(size)));
        bytes.push_back(static_cast<std::uint8_t>(length));
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(field[i]));
    }

private:
    void put(std::uint64_t u, int n) {
        for (int i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
};

template <class Io>
void exchange_settings(Io& io, AnalysisSettings& s) {
    io.count(s.sample_count);
    io.count(s.time_count);
    for (double* field :
         {&s.sweep_from,       &s.sweep_to,         &s.time_from,       &s.time_to,
          &s.freq_from,        &s.freq_to,          &s.transfer_x_min,  &s.transfer_x_max,
          &s.transfer_y_min,   &s.transfer_y_max,   &s.time_x_min,      &s.time_x_max,
          &s.freq_x_min,       &s.freq_x_max,       &s.time_y_min,      &s.time_y_max,
          &s.magnitude_y_min,  &s.magnitude_y_max,  &s.phase_y_min,     &s.phase_y_max,
          &s.real_min,         &s.real_max,         &s.imag_min,        &s.imag_max,
          &s.resistance_y_min, &s.resistance_y_max, &s.reactance_y_min, &s.reactance_y_max,
          &s.delay_y_min,      &s.delay_y_max,      &s.first_x,         &s.first_value,
          &s.overlay_offset}) {
        io.number(*field);
    }
    io.integer(s.x_divisions, -3, 40);
    io.integer(s.y_divisions, -3, 40);
    io.integer(s.colour, -2, 17);
    io.integer(s.stage_count, -2, 30);
    io.integer(s.panel, -1, 4);
    io.integer(s.plot_style, -1, 9);
    io.integer(s.line_dash, -1, 4);
    io.integer(s.line_width, -1, 2);
    io.integer(s.marker_shape, -1, 10);
    io.integer(s.marker_size, -1, 40);
    io.text(s.x_label, label_size);
    io.text(s.y_label, label_size);
    io.text(s.title, title_size);
    io.text(s.subtitle, subtitle_size);
    for (int i = 0; i < stage_range_count; ++i) {
        io.number(s.stage_y_min[i]);
        io.number(s.stage_y_max[i]);
    }
}

template <class Io>
void exchange_curve(Io& io, CurveCall& c) {
    io.integer(c.colour, -2, 17);
    io.choice(c.with_title, 0, 255);
    io.integer(c.title_text, -1, caller_text_count);
    io.integer(c.with_colour, -2, 17);
    io.integer(c.base_row, -2, 30);
    io.integer(c.row, -2, 40);
    io.integer(c.offset, -2, 3);
    io.integer(c.column, -5, 80);
    io.integer(c.cell_row, -5, 40);
    io.number(c.value);
    io.integer(c.int_value, -10, 10);
    io.integer(c.legend_colour, -2, 17);
}

template <class Io>
void exchange_case(Io& io, FuzzCase& f) {
    io.choice(f.kind, -5, 145);
    io.integer(f.legend_graph_kind, -5, 145);
    io.choice(f.curve_calls, 1, max_curves);
    io.integer(f.second_kind, -5, 145);
    io.choice(f.skip_end_run, 0, 255);
    exchange_settings(io, f.settings);
    for (CurveCall& c : f.calls) exchange_curve(io, c);
    for (int i = 0; i < caller_text_count; ++i) {
        io.choice(f.text_is_null[i], 0, 255);
        io.text(f.texts[i], caller_text_size);
    }
    io.choice(f.callback_value_count, 0, max_callback_values);
    for (double& v : f.callback_values) io.number(v);
    io.choice(f.side_effect, 0, effect_count - 1);
    io.integer(f.side_slot, 0, trace_capacity - 1);
    io.choice(f.with_variable, 0, 255);
    ShapeCall& s = f.shapes;
    for (double* v : {&s.x1, &s.y1, &s.x2, &s.y2, &s.r, &s.step}) io.number(*v);
    io.integer(s.size, -2, 50);
    io.integer(s.colour, -2, 17);
    io.integer(f.trace_count, -2, 27);
    for (int m = 0; m < trace_capacity; ++m) {
        io.number(f.trace_value[m]);
        io.number(f.trace_scale[m]);
        io.number(f.trace_offset[m]);
        io.integer(f.trace_colour[m], -1, 16);
        io.integer(f.trace_marker_size[m], -1, 30);
        io.integer(f.trace_plot_style[m], -1, 7);
        io.integer(f.trace_line_dash[m], -1, 4);
        io.integer(f.trace_line_width[m], -1, 2);
        io.integer(f.trace_marker_shape[m], -1, 10);
    }
}

}  // namespace fuzz
