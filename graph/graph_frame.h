// One graph panel: value ranges, division counts, axis scale codes, frame style, pixel box,
// the pen state of 26 curve slots and the two axis captions.
#pragma once

// Axis scale codes.
constexpr int scale_divided = 0;
constexpr int scale_auto = 1;
constexpr int scale_degrees = 2;
constexpr int scale_log = 3;
constexpr int scale_complex = 4;
constexpr int scale_divided_square = 5;

// Frame style codes.
constexpr int style_paired = 0;
constexpr int style_single = 1;
constexpr int style_stage_strip = 2;
constexpr int style_time_division = 3;
constexpr int style_converter = 4;
constexpr int style_square = 5;

// Frame check codes.
constexpr int check_ok = 0;
constexpr int check_not_positive = 1;
constexpr int check_too_wide = 2;
constexpr int check_empty_range = 3;
constexpr int check_x_zero = 4;
constexpr int check_y_zero = 5;

constexpr int curve_slots = 26;
constexpr int caption_size = 40;
constexpr int stage_frame_count = 25;

struct GraphFrame {
    double x_min;
    double x_max;
    double y_min;
    double y_max;
    double x_divisions;
    double y_divisions;
    double start_x;
    double start_y;
    int x_scale;
    int y_scale;
    int frame_style;
    int left;
    int bottom;
    int width;
    int height;
    int pen_x[curve_slots];
    int pen_y[curve_slots];
    double last_value[curve_slots];
    int plot_style;
    int line_dash;
    int line_width;
    int marker_shape;
    int marker_size;
    char x_caption[caption_size];
    char y_caption[caption_size];
};

// The panel of every single-panel graph kind; zero at start.
extern GraphFrame main_graph;
// The two panels of the paired graph kinds; zero at start.
extern GraphFrame upper_graph;
extern GraphFrame lower_graph;
// The stage strips of graph kind 0; zero at start.
extern GraphFrame stage_graphs[stage_frame_count];

// The column just right of the panel (left + width) and the row of its top edge
// (bottom - height), held to -2^30..2^30: a caller may have filled the box with any numbers,
// and the frame drawing adds small offsets to the edges.
int frame_right(const GraphFrame& frame);
int frame_top(const GraphFrame& frame);
// A pixel position computed in 64 bits, held to the same -2^30..2^30.
int held_position(long long position);

// Is the byte the first of a Shift-JIS double-byte character (0x81..0x9f, 0xe0..0xfc)?
bool is_sjis_lead_byte(char byte);

// Copies a Shift-JIS text into `out`, a buffer of `size` bytes: at most size - 1 bytes and the
// terminator, and never the first byte of a double-byte character without its second, so an
// overlong text is cut at the last whole character that fits. Reads at most size - 1 bytes of
// the text, so a text field of `size` bytes that a caller filled to its end without a
// terminator is a valid source. A null text, or a size below 1 (nothing written), gives an
// empty text.
void copy_sjis_text(char* out, int size, const char* text);

// copy_sjis_text into a caption field of caption_size bytes.
void copy_caption(char* field, const char* text);

// Stores the scale codes and the division counts (as doubles) and copies the two captions with
// copy_caption. No value is tested: a division count of 0 is stored as 0.0, and the axis
// drawing later treats it as 1.
void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions, int y_divisions,
                      const char* x_caption, const char* y_caption);
// Copies the four bounds without any test; drawing the frame validates them.
void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max);

// Writes the frame style and the pixel box of one graph's panels. Both records get the style
// and left = 64. Then style_time_division gives the first record 400 x 320 with bottom 344;
// style_single and style_converter 304 rows with bottom 328 and a width by the first record's
// x_scale (320 for scale_complex and scale_divided_square, 400 for scale_divided, 448 for any
// other code); style_paired two 448 x 156 panels with bottoms 180 and 352; style_square
// 320 x 304 with bottom 328. Any other style (style_stage_strip included) leaves width, height
// and bottom of both records as they were. For the single-panel styles nothing of `second` but
// frame_style and left is written and nothing of it is read, so a caller without a second
// panel may pass a scratch record or `first` itself.
void layout_frames(int frame_style, GraphFrame& first, GraphFrame& second);
