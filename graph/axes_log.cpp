// Logarithmic axes: the range widened to whole decades, a solid line and a tick label at every
// decade, dotted lines at 2..9 times each decade.
#include <cmath>
#include <cstring>

#include "draw/primitives.h"
#include "draw/text.h"
#include "graph/axes.h"
#include "graph/format.h"

namespace {

constexpr int grid_colour = 0;

// The powers of ten a double holds: 1e-323 is the smallest above zero, 1e308 the largest.
constexpr int lowest_decade = -323;
constexpr int highest_decade = 308;

// The x tick label's top left corner sits 8 columns left of its decade line on the bottom edge.
constexpr int x_label_shift = 8;
// The y tick label ends 4 columns left of the panel; its top is 13 rows above the line at the
// lowest decade, 3 rows above at the highest, 8 rows above elsewhere.
constexpr int y_label_gap = 4;
constexpr int y_label_rise_at_min = 13;
constexpr int y_label_rise_at_max = 3;
constexpr int y_label_rise = 8;
constexpr int tick_label_size = 32;

// The multiples inside a decade that get a dotted line.
constexpr int first_multiple = 2;
constexpr int last_multiple = 9;

// One axis of a frame as the decade loop sees it.
struct LogView {
    bool is_x;
    double& min;
    double& max;
    int length;  // width or height
};

// Widens min and max to whole decades and returns the number of decades, at least 1.
// False (and nothing changed) when the bounds are not both finite and above zero.
bool widen_to_decades(double& min, double& max, int& decades) {
    if (!(min > 0) || !(max > 0) || !std::isfinite(min) || !std::isfinite(max)) return false;
    int low = static_cast<int>(std::floor(std::log10(min)));
    int high = static_cast<int>(std::ceil(std::log10(max)));
    if (low < lowest_decade) low = lowest_decade;
    if (high > highest_decade) high = highest_decade;
    if (low >= highest_decade) low = highest_decade - 1;
    // Both bounds on one power of ten: the axis gets the decade above it.
    if (high <= low) high = low + 1;
    min = std::pow(10.0, low);
    max = std::pow(10.0, high);
    decades = high - low;
    return true;
}

void draw_y_decade_label(const GraphFrame& f, int p, double v, double min, double max,
                         char prefix) {
    char text[tick_label_size];
    format_tick_label(text, sizeof text, v, prefix);
    int rise = v == min ? y_label_rise_at_min : v == max ? y_label_rise_at_max : y_label_rise;
    int x = f.left - y_label_gap - text_byte_width * static_cast<int>(std::strlen(text));
    draw_text(x, p - rise, text, grid_colour, text_horizontal);
}

void draw_log_axis(GraphFrame& f, LogView axis, char prefix) {
    int n = 0;
    if (!widen_to_decades(axis.min, axis.max, n)) return;
    const double min = axis.min;
    const double max = axis.max;
    const int d = axis.length / n;

    // Positions in 64 bits, held to the frame's range where drawn: a panel box a caller filled
    // with huge numbers gives huge decades.
    double v = min;
    long long at = axis.is_x ? f.left : f.bottom;
    for (int i = 0; i <= n; ++i) {
        const int p = held_position(at);
        if (axis.is_x) {
            styled_segment(p, f.bottom, p, frame_top(f), grid_colour, width_thin, line_solid);
            draw_tick_label(p - x_label_shift, f.bottom, v, grid_colour, prefix);
        } else {
            styled_segment(f.left, p, frame_right(f), p, grid_colour, width_thin, line_solid);
            draw_y_decade_label(f, p, v, min, max, prefix);
        }
        if (v != max && i != n) {
            // A dotted line that falls on the decade's own line or on the dotted line before it
            // (decades only a few pixels apart) would set no pixel anew: the tick label has
            // left the background transparent, so its gaps change nothing. It is not drawn, and
            // an axis costs no more lines than it has pixels.
            int drawn_offset = 0;
            for (int j = first_multiple; j <= last_multiple; ++j) {
                int o = static_cast<int>(std::log10(static_cast<double>(j)) * d);
                if (o == drawn_offset) continue;
                drawn_offset = o;
                if (axis.is_x) {
                    // Drawn from the top edge down.
                    const int q = held_position(at + o);
                    styled_segment(q, frame_top(f), q, f.bottom, grid_colour, width_thin,
                                   line_dotted);
                } else {
                    const int q = held_position(at - o);
                    styled_segment(f.left, q, frame_right(f), q, grid_colour, width_thin,
                                   line_dotted);
                }
            }
        }
        v *= 10;
        at = axis.is_x ? at + d : at - d;
    }
}

}  // namespace

void draw_log_x_axis(GraphFrame& frame, char x_prefix) {
    draw_log_axis(frame, {true, frame.x_min, frame.x_max, frame.width}, x_prefix);
}

void draw_log_y_axis(GraphFrame& frame, char y_prefix) {
    draw_log_axis(frame, {false, frame.y_min, frame.y_max, frame.height}, y_prefix);
}
