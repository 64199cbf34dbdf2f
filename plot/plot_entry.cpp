// The plot entry: the frame before the first curve of a run, the sweep by graph kind, the
// caption after every curve and the curve count.
#include "plot/plot_entry.h"

#include "draw/palette.h"
#include "graph/catalogue.h"
#include "graph/graph_frame.h"
#include "plot/legend.h"
#include "plot/traces.h"

void plot_curve(int kind, Callback callback, AnalysisSettings& settings) {
    // The record's title field need not hold its terminator: what goes on is the text within
    // the field.
    char title[title_size];
    copy_sjis_text(title, title_size, settings.title);
    plot_curve_with(kind, callback, settings, settings.colour, title);
}

void plot_curve_with(int kind, Callback callback, AnalysisSettings& settings, int colour,
                     const char* title) {
    settings.colour = colour;
    // A frame that fails its check is reported there; the curve is swept and drawn all the
    // same.
    if (curve_count == 0) setup_graph(kind, settings, title);

    switch (kind) {
        case 3:  // hysteresis: forward and backward
        case 4:  // forward only
            sweep_there_and_back(kind, callback, settings, colour);
            break;
        case 0:   // stage strips
        case 2:   // transfer characteristic, several traces
        case 5:   // A/D converter stages with the register display
        case 11:  // square panel, several traces
        case 13:  // square panel, several traces
            sweep_traces(kind, callback, settings, colour);
            break;
        case 6:  // log-log
        case 7:  // logarithmic x
        case 9:  // log-log input to output voltage
            sweep_log(kind, callback, settings, colour);
            break;
        default:
            sweep_linear(kind, callback, settings, colour);
            break;
    }
    // The subtitle as it stands after the sweep, within its field.
    char subtitle[subtitle_size];
    copy_sjis_text(subtitle, subtitle_size, settings.subtitle);
    draw_curve_caption(kind, subtitle, colour_magenta);
    count_one(curve_count);
}
